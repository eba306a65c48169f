#pragma once

#include <QFont>
#include <QList>
#include <QRect>
#include <QString>
#include <QWidget>

#include <memory>

class QTextLayout;

// Text measurement of the question panel: a text word-wrapped at a width in a font, counted in
// lines of a fixed height. Line breaks in the text break lines; a text ending in a line break
// counts as without it, and an empty text has no line.
int PocetRadku(const QString& text, const QFont& pismo, int sirka);

// A static text that wraps its words at its own width and draws each line at a fixed height, so
// that what is shown is exactly what PocetRadku counted.
class StatickyText : public QWidget {
    Q_OBJECT
public:
    static constexpr int kVyskaRadku = 18;

    explicit StatickyText(QWidget* rodic = nullptr);
    ~StatickyText() override;

    void setText(const QString& text);
    const QString& text() const { return text_; }
    int PocetRadku() const;

    // Word-wraps the text at `sirka` and sets the height to the lines it takes.
    void Rozloz(int sirka);

    // Where each line's text stands, in the control's coordinates (its own width, not the
    // control's).
    QList<QRect> RadkyTextu() const;

    // Other sheets measure with their own line height and wrap a few pixels wider than the
    // control (the width stays); the question panel keeps 18 and 0.
    void NastavRadkovani(int vyskaRadku, int pridavekZalomeni);

protected:
    void paintEvent(QPaintEvent* udalost) override;
    void changeEvent(QEvent* udalost) override;

private:
    QString text_;
    std::unique_ptr<QTextLayout> rozlozeni_;
    int vyskaRadku_ = kVyskaRadku;
    int pridavekZalomeni_ = 0;
};
