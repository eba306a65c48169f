#include "ui/Zpravy.h"

#include "testsupport/GuiTest.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>

TEST(Zpravy, PredemZodpovezenaZpravaSeNeukazeAPlatiJenProJednu)
{
    Zpravy::Zachycena zachycena;
    Zpravy::ZodpovezPristi(true, &zachycena);
    EXPECT_TRUE(Zpravy::Varovani(nullptr, QStringLiteral("Smazat profil?")));
    EXPECT_EQ(zachycena.titulek, Zpravy::kVarovani);
    EXPECT_EQ(zachycena.text, QStringLiteral("Smazat profil?"));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    Zpravy::ZodpovezPristi(false);
    EXPECT_FALSE(Zpravy::Otazka(nullptr, QStringLiteral("Opravdu?")));

    // The answer is used up: the next box is shown and answered on screen.
    auto box = StiskniVeZprave(QMessageBox::Yes);
    EXPECT_TRUE(Zpravy::Otazka(nullptr, QStringLiteral("Znovu?")));
    ASSERT_TRUE(box->probehlo);
    EXPECT_EQ(box->titulek, Zpravy::kOtazka);
    EXPECT_EQ(box->ikona, QMessageBox::Question);
}
