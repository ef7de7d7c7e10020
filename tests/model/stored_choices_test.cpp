// The flute and pass directions and the customer profile as files, settings and dialogs give
// them: each stored number or text is read as its choice and written back as it came, and a
// number no direction has is refused with the reason.

#include <gtest/gtest.h>

#include "model/model.h"
#include "model/model_fields.h"

namespace brontaxe {
namespace {

TEST(StoredChoices, EachDirectionNumberIsReadAndWrittenBack) {
    const struct {
        const char* stored;
        std::optional<AlongAxis> axis;  // nullopt: refused
    } cases[] = {
        {"0", AlongAxis::None}, {"1", AlongAxis::X},  {"2", AlongAxis::Y},
        {"3", std::nullopt},    {"-1", std::nullopt}, {"x", std::nullopt},
    };
    for (const auto& c : cases) {
        for (const char* field : {"senscann", "senspass"}) {
            SCOPED_TRACE(std::string(field) + "=" + c.stored);
            Model m;
            m.senscann = m.senspass = AlongAxis::X;
            const FieldSetResult set = setField(m, field, c.stored);
            const AlongAxis now = std::string(field) == "senscann" ? m.senscann : m.senspass;
            if (!c.axis) {
                EXPECT_FALSE(set.ok());
                EXPECT_NE(set.message.find(field), std::string::npos) << set.message;
                EXPECT_EQ(now, AlongAxis::X);  // the field is left as it was
                continue;
            }
            ASSERT_TRUE(set.ok()) << set.message;
            EXPECT_EQ(now, *c.axis);
            EXPECT_EQ(fieldText(m, field), c.stored);
            EXPECT_EQ(alongAxisOf(storedNumber(*c.axis)), c.axis);
        }
    }
    Model m;
    EXPECT_EQ(setField(m, "senscann", "3").message,
              "Valeur incorrecte pour senscann : 3 (de 0 à 2)");
}

TEST(StoredChoices, EachProfileTextIsReadOnceAndItsNameKept) {
    const struct {
        const char* typed;
        CustomerProfile profile;
        const char* name;  // as shown and stored
    } cases[] = {
        {"", CustomerProfile::Default, ""},
        {"DEFAUT", CustomerProfile::Default, "DEFAUT"},
        {"VORANIS", CustomerProfile::Voranis, "VORANIS"},
        {"gorvante", CustomerProfile::Gorvante, "GORVANTE"},
        {" Pelsiran ", CustomerProfile::Pelsiran, "PELSIRAN"},
        {"VEM", CustomerProfile::Vem, "VEM"},
        {"qlx", CustomerProfile::Qlx, "QLX"},
        {"TREMALUXE", CustomerProfile::Tremaluxe, "TREMALUXE"},
        {"QOR", CustomerProfile::Qor, "QOR"},
        // A customer's own profile: no rules of ours, its name kept for the dialogs.
        {"acme", CustomerProfile::Default, "ACME"},
        {"QOR2", CustomerProfile::Default, "QOR2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const ProfileChoice parsed = ProfileChoice::parse(c.typed);
        EXPECT_EQ(parsed.profile(), c.profile);
        EXPECT_EQ(parsed.name(), c.name);
        Model m;
        ASSERT_TRUE(setField(m, "Personnalisation", c.typed).ok());
        EXPECT_EQ(m.Personnalisation, parsed);
        EXPECT_EQ(fieldText(m, "Personnalisation"), c.name);
    }
    // Each profile's own name reads back as that profile.
    for (std::size_t i = 0; i < customerProfileNames().size(); ++i) {
        const auto profile = static_cast<CustomerProfile>(i);
        EXPECT_EQ(ProfileChoice::parse(ProfileChoice(profile).name()).profile(), profile);
    }
}

}  // namespace
}  // namespace brontaxe
