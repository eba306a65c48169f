#include "base/DatumCas.h"

#include <gtest/gtest.h>

#include <stdexcept>

TEST(DatumCasTest, TriIsoTvaryTamAZpet)
{
    const DatumCas d {2004, 1, 5, 7, 8, 9, 0};
    EXPECT_EQ(d.DatumIso(), "2004-01-05");
    EXPECT_EQ(d.CasIso(), "07:08:09");
    EXPECT_EQ(d.DatumCasIso(), "2004-01-05 07:08:09");
    EXPECT_EQ(DatumCas::ZIso(d.DatumCasIso()), d);
    EXPECT_EQ(DatumCas::ZIso("2004-01-05"), (DatumCas {2004, 1, 5}));
    EXPECT_EQ(DatumCas::ZIso("07:08:09"), (DatumCas {0, 0, 0, 7, 8, 9}));
    // The zero date of a time-only value survives the date-time form.
    const DatumCas jenCas {0, 0, 0, 12, 30, 0};
    EXPECT_EQ(DatumCas::ZIso(jenCas.DatumCasIso()), jenCas);
    EXPECT_EQ(DatumCas::ZIso("2000-02-29"), (DatumCas {2000, 2, 29}));
}

TEST(DatumCasTest, NeplatnyTextSeOdmitne)
{
    for (const char* text :
         {"", "2004-1-05", "2004-01-05T07:08:09", "2004-13-01", "2004-00-10", "2023-02-29",
          "1900-02-29", "2004-04-31", "24:00:00", "12:60:00", "12:00:60", "2004-01-05 07:08",
          "2004-01-05 07:08:09 ", "ab:cd:ef", "0000-01-00"})
        EXPECT_THROW(DatumCas::ZIso(text), std::invalid_argument) << "„" << text << "“";
}
