#pragma once

#include <QDialog>
#include <QString>

#include <filesystem>

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The about box: name, version, the date of the question bank and a link to a page for learners.
class TAbout : public QDialog {
    Q_OBJECT

public:
    // `adresar` is the working directory: the icon and otazky.MB are looked up there.
    explicit TAbout(const std::filesystem::path& adresar, QWidget* rodic = nullptr);

    // The page the link opens: the official text of the road traffic act.
    static inline const QString kOdkaz = QStringLiteral("https://www.e-sbirka.cz/sb/2000/361");

    // The modification date of otazky.MB in the system's short date format, or "neznámé".
    static QString DatumDatabaze(const std::filesystem::path& adresar);

protected:
    bool eventFilter(QObject* objekt, QEvent* udalost) override;

private:
    void lbInetMouseMove();
    void lbInetMouseLeave();
    void lbInetClick();

    QGroupBox* gbOkraj = nullptr;
    QLabel *Image1 = nullptr, *lbNazev = nullptr, *lbVerze = nullptr, *lbUprava = nullptr,
           *lbDatab = nullptr, *lb = nullptr, *lbInet = nullptr, *stAtestace = nullptr;
    QPlainTextEdit* mText = nullptr;
    QPushButton* btnOK = nullptr;

    void ObarviOdkaz(const QColor& barva);
};
