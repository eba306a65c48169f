#pragma once

#include <QString>
#include <QStringList>

// Rules for names and passwords typed into the profile dialogs, with the messages the learner
// sees. Each returns the message of the first broken rule, or an empty string.
namespace PravidlaProfilu {
inline constexpr int kMaxJmeno = 30;
inline constexpr int kMaxHeslo = 50;
inline constexpr int kMinHeslo = 5;

// Not empty, not "Default" in any case of the letters a-z, not one of `jine` ignoring case.
QString ChybaJmena(const QString& jmeno, const QStringList& jine);
// Both entries equal, then at least five characters.
QString ChybaHesla(const QString& heslo1, const QString& heslo2);
}  // namespace PravidlaProfilu
