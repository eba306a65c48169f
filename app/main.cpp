#include "ui/Aplikace.h"
#include "ui/Zpravy.h"
#include "app/SlozkaDat.h"
#include "app/THlavniFormular.h"
#include "app/ZkouskaStartu.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <filesystem>
#include <optional>

namespace {

std::filesystem::path Cesta(const QString& cesta)
{
    return std::filesystem::path(cesta.toStdString());
}

// The working directory when it holds the bank; otherwise the learner's own data folder
// (ZEBROVKA_DATA, else the standard per-user one), brought up to date from the installed bank.
std::optional<std::filesystem::path> AdresarDat()
{
    if (QFileInfo(QDir::current().filePath(QStringLiteral("otazky.DB"))).isFile())
        return Cesta(QDir::currentPath());
    QString slozka = qEnvironmentVariable("ZEBROVKA_DATA");
    if (slozka.isEmpty())
        slozka = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const std::filesystem::path cil = Cesta(slozka);
    const auto zdroj =
        NainstalovanaData(Cesta(QCoreApplication::applicationDirPath()), ZK_DATA_RELATIVNE);
    if (!zdroj)
        return cil;  // nothing to bring: the start-up reports a missing bank by itself
    try {
        PripravSlozkuDat(*zdroj, cil);
    } catch (const ChybaPripravy& chyba) {
        Zpravy::Chyba(
            nullptr,
            QStringLiteral("Složku s daty programu %1 nelze připravit.\n%2")
                .arg(QDir::toNativeSeparators(QString::fromStdString(chyba.Slozka().string())),
                     QString::fromStdString(chyba.what())));
        return std::nullopt;
    }
    return cil;
}

}  // namespace

int main(int argc, char** argv)
{
    Aplikace aplikace(argc, argv);
    HlidatModalniOkna();
    const auto adresar = AdresarDat();
    if (!adresar)
        return 1;
    THlavniFormular hlavni(*adresar);
    switch (hlavni.Spust()) {
    case THlavniFormular::Start::Prihlasen:
        return Aplikace::exec();
    case THlavniFormular::Start::Ukoncen:
        return 0;
    case THlavniFormular::Start::Chyba:
        break;
    }
    return 1;
}
