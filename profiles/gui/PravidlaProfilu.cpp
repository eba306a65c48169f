#include "profiles/gui/PravidlaProfilu.h"

namespace {

// Only the letters a to z are folded, as the reserved-name rule compares them.
QString VelkaAscii(const QString& s)
{
    QString v = s;
    for (QChar& c : v)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');
    return v;
}

}  // namespace

namespace PravidlaProfilu {

QString ChybaJmena(const QString& jmeno, const QStringList& jine)
{
    if (jmeno.isEmpty())
        return QStringLiteral("Zadaný profil musí mít minimálně 1 znak!");
    if (VelkaAscii(jmeno) == QLatin1String("DEFAULT"))
        return QStringLiteral("Název Default je vyhrayený -> použíjte jiný název");
    if (jine.contains(jmeno, Qt::CaseInsensitive))
        return QStringLiteral("Zadaný profil již existuje!");
    return {};
}

QString ChybaHesla(const QString& heslo1, const QString& heslo2)
{
    if (heslo1 != heslo2)
        return QStringLiteral("Potvrzení hesla se nezdařilo!\nZadejte heslo znovu!");
    if (heslo1.toUcs4().size() < kMinHeslo)
        return QStringLiteral("Minimální délka hesla je 5 znaků!\nZadejte heslo znovu!");
    return {};
}

}  // namespace PravidlaProfilu
