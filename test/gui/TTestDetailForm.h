#pragma once

#include "test/ZpravaProtokolu.h"

#include <QDialog>
#include <QStringList>

#include <filesystem>

class QPlainTextEdit;
class QPrinter;
class QPushButton;

// The text report of one points test, rebuilt from its Protokoly record alone. It prints
// through the print dialog and saves as a Windows-1250 text file through the save dialog, which
// starts in `adresar`.
class TTestDetailForm : public QDialog {
    Q_OBJECT

public:
    TTestDetailForm(const VstupZpravy& vstup, std::filesystem::path adresar,
                    QWidget* rodic = nullptr);

    QStringList Radky() const;

private:
    QPlainTextEdit* mProtokol = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnTisk = nullptr;
    QPushButton* btnUloz = nullptr;

    void btnTiskClick();
    void btnUlozClick();

    std::vector<std::string> radky_;
    std::filesystem::path adresar_;
};

// Prints the lines in order as one document on `tiskarna`, in a monospaced font within margins
// of 20 mm, starting a new page when a line would not fit. False when the printer failed.
bool VytiskniRadky(QPrinter& tiskarna, const QStringList& radky);
