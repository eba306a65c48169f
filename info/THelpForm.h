#pragma once

#include <QDialog>
#include <QHash>
#include <QImage>
#include <QString>

class QTextBrowser;

// The help window: the HTML help shipped beside the program file, in a text browser that fills
// the window. Links between help pages are followed inside; links to the web open in the browser.
// A picture wider than the page's room is shown scaled down to it, so no page needs scrolling
// sideways at any window size.
class THelpForm : public QDialog {
    Q_OBJECT

public:
    // `adresarProgramu` is the directory of the program file; the help is its "Help/index.htm"
    // (see CestaNapovedy).
    explicit THelpForm(QWidget* rodic = nullptr, const QString& adresarProgramu = QString());

    // Where the start page is expected: Help/ beside the program file, else the installed help
    // (share/zebrovka/Help seen from bin/) when only that one exists.
    static QString CestaNapovedy(const QString& adresarProgramu);

protected:
    bool eventFilter(QObject* objekt, QEvent* udalost) override;

private:
    QTextBrowser* wbHelp = nullptr;

    void PrizpusobObrazky();

    QHash<QString, QImage> puvodni_;  // pictures as drawn, by file
};
