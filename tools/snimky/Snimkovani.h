#pragma once

#include <QDir>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

// Saving the pictures of the help and showing them in its pages.
class Snimkovani {
public:
    explicit Snimkovani(const QString& adresarNapovedy);

    // Saves the widget's picture as obrazky/<jmeno>.png.
    void Uloz(QWidget* okno, const QString& jmeno);
    // Saves a picture file of the program (a JPEG answer mark) as obrazky/<jmeno>.png.
    void Uloz(const QString& obrazek, const QString& jmeno);
    // Notes a picture that could not be made from this tree, with the reason.
    void Preskoc(const QString& jmeno, const QString& proc);

    // In every page, a waiting picture <!--obrazek obrazky/x.png|popis--> becomes <img> once
    // its file exists. Returns the pictures still waiting.
    QStringList DoplnStranky() const;

    const QStringList& Ulozene() const { return ulozene_; }

private:
    QDir help_;
    QStringList ulozene_;
};

// Calls `akce` with the next visible modal widget other than `krome` once it appears. When none
// appears within 10 s, or the chain stays open, the modal windows are closed so that the run
// goes on, and the fault is reported on stderr.
// A window that may not come (`povinne` false) is waited for 2 s without a report.
void PriOtevreni(std::function<void(QWidget*)> akce, QWidget* krome = nullptr, bool povinne = true);

// Drops every wait of PriOtevreni that has not been answered yet, so that it cannot take a window
// of a later step.
void ZrusCekani();

// Runs the event loop for `ms` milliseconds, so that windows lay out and paint.
void Pockej(int ms = 50);
