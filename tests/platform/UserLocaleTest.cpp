#include <gtest/gtest.h>

#include "platform/UserLocale.h"
#include "support/TempFolder.h"

namespace {

struct LocaleCase {
  const char* name;
  uint32_t id;
};

void PrintTo(const LocaleCase& c, std::ostream* os) { *os << '"' << c.name << '"'; }

class LocaleIdTest : public testing::TestWithParam<LocaleCase> {};

TEST_P(LocaleIdTest, ByLanguageAndTerritory) {
  EXPECT_EQ(platform::LocaleIdFromName(GetParam().name), GetParam().id);
}

INSTANTIATE_TEST_SUITE_P(
    Names, LocaleIdTest,
    testing::Values(LocaleCase{"de_CH.UTF-8", 0x0807}, LocaleCase{"en_GB.UTF-8", 0x0809},
                    LocaleCase{"fr_BE", 0x080C}, LocaleCase{"pt_BR.UTF-8", 0x0416}, LocaleCase{"pt_PT", 0x0816},
                    LocaleCase{"nl_BE.UTF-8@euro", 0x0813}, LocaleCase{"en_IE", 0x1809},
                    LocaleCase{"de_DE.UTF-8", 0x0407}, LocaleCase{"de_LU", 0x0407}, LocaleCase{"sv", 0x041D},
                    LocaleCase{"en_us.utf8", 0x0409}, LocaleCase{"ja_JP.UTF-8", 0x0409}, LocaleCase{"C", 0x0409},
                    LocaleCase{"C.UTF-8", 0x0409}, LocaleCase{"POSIX", 0x0409}, LocaleCase{"", 0x0409},
                    LocaleCase{"_GB", 0x0409}));

TEST(UserLocaleTest, FirstSetVariableWins) {
  ScopedEnvironment all("LC_ALL", nullptr);
  ScopedEnvironment messages("LC_MESSAGES", "");
  ScopedEnvironment lang("LANG", "fr_CA.UTF-8");
  EXPECT_EQ(platform::GetUserDefaultLCID(), 0x0C0Cu);
  {
    ScopedEnvironment set("LC_MESSAGES", "it_CH");
    EXPECT_EQ(platform::GetUserDefaultLCID(), 0x0810u);
    ScopedEnvironment first("LC_ALL", "es_MX");
    EXPECT_EQ(platform::GetUserDefaultLCID(), 0x080Au);
  }
  ScopedEnvironment none("LANG", nullptr);
  EXPECT_EQ(platform::GetUserDefaultLCID(), 0x0409u);
}

}  // namespace
