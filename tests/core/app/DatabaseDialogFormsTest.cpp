#include "app/CSolvoApp.h"
#include "app/DatabasePasswordForm.h"
#include "app/DatabasePathForm.h"
#include "app/MemorySettingsStore.h"
#include "formula/MoietiesForm.h"
#include "solution/CSolvoDoc.h"
#include "substances/PasswordDigest.h"

#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <deque>

namespace solvo {
namespace {

using Field = DatabasePasswordForm::Field;
using Mode = PasswordDialogMode;

TEST(DatabasePasswordForm, EachModeOpensItsFieldsAndOk)
{
    const struct {
        Mode mode;
        bool current, fresh, repeated, ok;
    } cases[] = {
        {Mode::EnterPassword, true, false, false, true},
        {Mode::NewPassword, false, true, true, false},
        {Mode::ChangePassword, true, true, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.mode));
        const DatabasePasswordForm form(c.mode, "");
        EXPECT_EQ(form.FieldEnabled(Field::Current), c.current);
        EXPECT_EQ(form.FieldEnabled(Field::New), c.fresh);
        EXPECT_EQ(form.FieldEnabled(Field::Repeated), c.repeated);
        EXPECT_EQ(form.OkEnabled(), c.ok);
        EXPECT_EQ(form.Text(Field::Current), "");
    }
}

TEST(DatabasePasswordForm, EnteringGivesTheDigestOfWhatWasTyped)
{
    DatabasePasswordForm form(Mode::EnterPassword, "");
    EXPECT_EQ(form.ResultDigest(), "");
    form.Type(Field::Current, "secret");
    EXPECT_TRUE(form.OkEnabled());
    EXPECT_EQ(form.ResultDigest(), PasswordDigest("secret"));
    EXPECT_EQ(form.ResultDigest().size(), 32u);
}

TEST(DatabasePasswordForm, NewPasswordNeedsTwoEqualEntries)
{
    DatabasePasswordForm form(Mode::NewPassword, "");
    form.Type(Field::New, "abc");
    EXPECT_FALSE(form.OkEnabled());
    form.Type(Field::Repeated, "ab");
    EXPECT_FALSE(form.OkEnabled());
    form.Type(Field::Repeated, "abc");
    EXPECT_TRUE(form.OkEnabled());
    EXPECT_EQ(form.ResultDigest(), PasswordDigest("abc"));

    // Both emptied: OK removes the password.
    form.Type(Field::New, "");
    EXPECT_FALSE(form.OkEnabled());
    form.Type(Field::Repeated, "");
    EXPECT_TRUE(form.OkEnabled());
    EXPECT_EQ(form.ResultDigest(), "");
}

TEST(DatabasePasswordForm, ChangingNeedsTheRightCurrentPassword)
{
    DatabasePasswordForm form(Mode::ChangePassword, PasswordDigest("old"));
    form.Type(Field::New, "new");
    form.Type(Field::Repeated, "new");
    EXPECT_FALSE(form.OkEnabled()) << "no current password";
    form.Type(Field::Current, "Old");
    EXPECT_FALSE(form.OkEnabled()) << "a wrong current password";
    form.Type(Field::Current, "old");
    EXPECT_TRUE(form.OkEnabled());
    form.Type(Field::Repeated, "neW");
    EXPECT_FALSE(form.OkEnabled());
    form.Type(Field::Repeated, "new");
    EXPECT_EQ(form.ResultDigest(), PasswordDigest("new"));

    // A stored digest of an empty password can never be matched.
    DatabasePasswordForm none(Mode::ChangePassword, "");
    none.Type(Field::Current, "");
    EXPECT_FALSE(none.OkEnabled());
}

// Answers every question No and refuses any password dialog.
class AnswerNo : public DatabasePrompts {
public:
    void ShowMessage(std::string_view text, PromptIcon) override { said.emplace_back(text); }
    PromptAnswer Ask(std::string_view text, PromptButtons, PromptIcon) override
    {
        said.emplace_back(text);
        return PromptAnswer::No;
    }
    std::optional<std::string> RunPasswordDialog(PasswordDialogMode, std::string_view) override
    {
        ADD_FAILURE() << "no password dialog expected";
        return std::nullopt;
    }
    std::vector<std::string> said;
};

class DatabaseAppTest : public ::testing::Test {
protected:
    DatabaseAppTest() : app(store, DataFolder(folder.Path())) { app.InstallDefaults(); }

    test::TemporaryFolder folder;
    MemorySettingsStore store;
    CSolvoApp app;
};

TEST_F(DatabaseAppTest, PathDialogOffersOkOnlyForAnotherPath)
{
    const FilePath current = app.DatabaseFilePath();
    DatabasePathForm form(app);
    EXPECT_EQ(form.Path(), current);
    EXPECT_FALSE(form.OkEnabled());
    AnswerNo prompts;
    EXPECT_EQ(form.Accept(prompts), PathDialogOutcome::KeepOpen);
    EXPECT_TRUE(prompts.said.empty());

    const FilePath other(folder.Path() / "lab.dat");
    form.SetPath(other);
    EXPECT_TRUE(form.OkEnabled());
    form.SetPath(current);
    EXPECT_FALSE(form.OkEnabled()) << "the current path typed again";
    form.SetPath(other);

    // "Default" brings back the data folder's file.
    app.Settings().SetDatabasePath(other);
    DatabasePathForm moved(app);
    moved.UseDefault();
    EXPECT_EQ(moved.Path(), current);
    EXPECT_TRUE(moved.OkEnabled());
    app.Settings().SetDatabasePath(FilePath());

    // A new file: not protected, written there, and the path is kept.
    EXPECT_EQ(form.Accept(prompts), PathDialogOutcome::ClosedWithOk);
    EXPECT_EQ(prompts.said, std::vector<std::string>{
                                "Do you want to use a password to protect the database from "
                                "overwriting?"});
    EXPECT_EQ(app.Settings().DatabasePath(), other);
    EXPECT_TRUE(std::filesystem::is_regular_file(other.Native()));
}

TEST_F(DatabaseAppTest, MoietiesUsedByOpenSolutionsOrTheDatabaseStay)
{
    const std::int32_t cit = app.Elements().AddEntry("Cit", "C_6H_5O_7", "", 189.0997, 4);
    const std::int32_t tris = app.Elements().AddEntry("Tris", "C_4H_11NO_3", "", 121.135, 3);
    const std::int32_t bis = app.Elements().AddEntry("Bis", "Tris_2", "", 242.27, 2);

    CSolvoDoc document;
    SolvoSubstance citrate;
    citrate.SetFormula("Na_3Cit");
    document.AddComponent(citrate);
    SolvoSubstance buffer;
    buffer.SetFormula("NaCl");
    buffer.SetAlternatives({"Tris&2H_2O"});
    app.Substances().Clear();
    app.Substances().AddSubstance(buffer);

    const std::vector<std::int32_t> counts = app.CountAllElementUses({&document});
    EXPECT_EQ(counts[static_cast<std::size_t>(cit)], 1);
    EXPECT_EQ(counts[static_cast<std::size_t>(tris)], 1);
    EXPECT_EQ(counts[static_cast<std::size_t>(bis)], 0);
    EXPECT_EQ(counts[11], 4) << "sodium: three in the solution, one in the database";

    MoietiesForm form(app.Elements(), 4, [&] { return app.CountAllElementUses({&document}); });
    for (const std::int32_t used : {cit, tris}) {
        form.SelectEntry(used);
        EXPECT_EQ(form.Delete(), MoietiesForm::kInUseMessage);
    }
    // Only another moiety's composition names it: that is no use.
    form.SelectEntry(bis);
    EXPECT_EQ(form.Delete(), "");
    EXPECT_EQ(app.Elements().Count(), bis);

    // Once the solution is closed, citrate may go.
    MoietiesForm closed(app.Elements(), 4, [&] { return app.CountAllElementUses({}); });
    closed.SelectEntry(cit);
    EXPECT_EQ(closed.Delete(), "");
    EXPECT_EQ(app.Elements().FindSymbol("Cit"), -1);
}

} // namespace
} // namespace solvo
