#include "questions/Vysvetleni.h"

#include "storage/Predvolby.h"

namespace {

const std::string kKlic = "Vysvetleni";

}  // namespace

bool NactiVysvetleni(const std::filesystem::path& adresar, const std::string& profil)
{
    return NactiPredvolbu(adresar, profil, kKlic, "1") != "0";
}

void UlozVysvetleni(const std::filesystem::path& adresar, const std::string& profil, bool zapnuto)
{
    UlozPredvolbu(adresar, profil, kKlic, zapnuto ? "1" : "0");
}
