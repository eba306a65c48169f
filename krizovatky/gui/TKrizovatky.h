#pragma once

#include <QDialog>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

class Hodiny;

// "Křižovatky – trénink": generated junction situations one after another. The picture is drawn
// at the window's size, the question has three answers (keys A/B/C or 1/2/3 choose, Enter moves
// on); after the choice the window says right or wrong, explains the order step by step and
// numbers the vehicles in the picture in the order they pass. The score counts since the window
// opened; each answer is stored for the profile in Krizovatky. The seed shown reproduces a
// situation; another one can be typed in. Controls are private; tests reach them by object name.
class TKrizovatky : public QDialog {
    Q_OBJECT
public:
    using ZdrojSeedu = std::function<std::uint32_t()>;

    // `zdroj` gives the seed of each next situation; the clock dates the stored answers. Answers
    // are stored in Krizovatky of `adresar` for `profil` (none when the profile is empty).
    TKrizovatky(std::filesystem::path adresar, std::string profil, const Hodiny& hodiny,
                ZdrojSeedu zdroj, QWidget* rodic = nullptr);
    ~TKrizovatky() override;

protected:
    void keyPressEvent(QKeyEvent* udalost) override;

private:
    struct Stav;
    std::unique_ptr<Stav> s_;
};
