// Every question of the shipped bank laid out in browse mode, as the learner sees it.
#include "questions/Banka.h"
#include "questions/Kategorie.h"
#include "questions/gui/PanelOtazek.h"
#include "ui/MereniTextu.h"
#include "testsupport/Najdi.h"

#include <gtest/gtest.h>

#include <QLabel>

#include <string>
#include <vector>

TEST(DodanaBankaVProhlizeni, ZadnyTextAniObrazekPodRameckemAniPodSpodkemPanelu)
{
    Banka banka;
    banka.Nacti(ZK_DODANA_BANKA);
    PanelOtazek panel(banka, ZK_DATA, nullptr);
    panel.resize(632, 316);  // the main window's question panel
    Najdi<QFrame>(&panel, "pProhlizeni")->show();
    Najdi<StatickyText>(&panel, "stPoznamka")->show();
    panel.show();
    const QRect ramecek = Najdi<QFrame>(&panel, "pProhlizeni")->geometry();
    const int spodek = panel.contentsRect().bottom();

    std::vector<std::string> chyby;
    int otazek = 0;
    for (int n = 1; n <= kNejvyssiCislo; ++n) {
        if (!banka.OtazkaExistuje(n))
            continue;
        ++otazek;
        panel.ZobrazOtazku(n);
        auto over = [&](const QRect& misto, const char* co) {
            if (misto.intersects(ramecek) || misto.bottom() > spodek)
                chyby.push_back(std::to_string(n) + " " + co);
        };
        for (StatickyText* t :
             {Najdi<StatickyText>(&panel, "stOtazka"), Najdi<StatickyText>(&panel, "stA"),
              Najdi<StatickyText>(&panel, "stB"), Najdi<StatickyText>(&panel, "stC"),
              Najdi<StatickyText>(&panel, "stD"), Najdi<StatickyText>(&panel, "stPoznamka")})
            if (t->isVisible())
                for (const QRect& radek : t->RadkyTextu())
                    over(radek.translated(t->pos()),
                         t == Najdi<StatickyText>(&panel, "stPoznamka") ? "poznámka" : "text");
        if (Najdi<QLabel>(&panel, "imgObrazek")->isVisible())
            over(Najdi<QLabel>(&panel, "imgObrazek")->geometry(), "obrázek");
    }
    EXPECT_GT(otazek, 700);
    EXPECT_EQ(chyby, std::vector<std::string> {});
}
