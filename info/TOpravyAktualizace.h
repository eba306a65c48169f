#pragma once

#include <QDialog>
#include <QString>

class QPlainTextEdit;

// The history of fixes and updates, newest first, in a read-only monospaced memo.
class TOpravyAktualizace : public QDialog {
    Q_OBJECT

public:
    explicit TOpravyAktualizace(QWidget* rodic = nullptr);

    static const QString& TextHistorie();

private:
    QPlainTextEdit* mHistorie = nullptr;
};
