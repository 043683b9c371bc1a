#include <QLineEdit>
#include <gtest/gtest.h>

#include "dialogs/CharDefaultDialog.h"
#include "document/CharRecord.h"
#include "controls/MessageDialog.h"
#include "controls/Modal.h"

namespace {

// Records the calls of the dialog and what the state was at each.
struct RecordingHost : doc::DesignProcedures {
  doc::ModConst* s = nullptr;
  std::vector<std::string> calls;
  int charAtDrawFont = 99;
  int gridHighXAtDrawFont = 0;
  void SaveFontData() override { calls.push_back("SaveFontData"); }
  void DrawFont() override {
    calls.push_back("DrawFont");
    charAtDrawFont = s->CurrentChar;
    gridHighXAtDrawFont = s->DesignData.HighX();
  }
  void DrawAll() override { calls.push_back("DrawAll"); }
  void LoadFontData() override { calls.push_back("LoadFontData"); }
};

struct CharDefault : ::testing::Test {
  doc::ModConst s;
  RecordingHost host;
  std::vector<QString> messages;  // "title|text" of each message shown
  controls::ScopedModalScript script;
  CharDefault() {
    doc::InitDefaults(s);
    s.CurrentChar = 65;
    host.s = &s;
  }
  // Presses "Ok" with these texts in the four size boxes; every message is answered 1.
  bool PressOk(dialogs::frmCharDefault& d, const char* mw, const char* mh, const char* w, const char* h) {
    d.txtMaxWidth->setText(mw);
    d.txtMaxHeight->setText(mh);
    d.txtWidth->setText(w);
    d.txtHeight->setText(h);
    for (int i = 0; i < 4; ++i)
      script.Add([this](QDialog& box) {
        auto& m = static_cast<controls::MessageDialog&>(box);
        messages.push_back(m.Title + "|" + m.ShownText());
        return 1;
      });
    d.bntOk_Click();
    return d.result() == QDialog::Accepted;
  }
};

struct SizeCase {
  const char *mw, *mh, *w, *h;
  const char* message;  // "" = accepted
};
class CharDefaultSizes : public CharDefault, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(CharDefaultSizes, ChecksInOrderAndShowsOnlyTheFirstFailure) {
  const SizeCase c = GetParam();
  dialogs::frmCharDefault d(s, host);
  const bool accepted = PressOk(d, c.mw, c.mh, c.w, c.h);
  if (*c.message == 0) {
    EXPECT_TRUE(accepted);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(host.calls, (std::vector<std::string>{"SaveFontData", "DrawFont"}));
    EXPECT_EQ(s.MaxWidth, QString(c.mw).toInt());
    EXPECT_EQ(s.MaxHeight, QString(c.mh).toInt());
  } else {
    EXPECT_FALSE(accepted);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Character Default|" + QString::fromLatin1(c.message));
    EXPECT_TRUE(host.calls.empty());
    EXPECT_EQ(s.MaxWidth, 32);
    EXPECT_EQ(s.MaxHeight, 16);
    EXPECT_EQ(s.DefaultWidth, 10);
  }
}
INSTANTIATE_TEST_SUITE_P(, CharDefaultSizes,
                         ::testing::Values(SizeCase{"1024", "768", "10", "16", ""}, SizeCase{"1", "1", "1", "1", ""},
                                           SizeCase{"1025", "768", "10", "16", "Max width must be between 1-1024"},
                                           SizeCase{"1024.4", "768", "10", "16", "Max width must be between 1-1024"},
                                           SizeCase{"0.6", "768", "10", "16", "Max width must be between 1-1024"},
                                           SizeCase{"abc", "16", "10", "16", "Max width must be between 1-1024"},
                                           SizeCase{"2000", "1000", "0", "0", "Max width must be between 1-1024"},
                                           SizeCase{"1024", "769", "10", "16", "Max height must be between 1-768"},
                                           SizeCase{"32", "16", "33", "16", "Width must be between 1-32"},
                                           SizeCase{"32", "16", "32", "16", ""},
                                           SizeCase{"32", "16", "0", "16", "Width must be between 1-32"},
                                           SizeCase{"32", "16", "10", "17", "Height must be between 1-16"}));

TEST_F(CharDefault, BoxesKeepTheirLeadingNumbersEvenWhenACheckFails) {
  dialogs::frmCharDefault d(s, host);
  PressOk(d, "12abc", "abc", "&H1F", " 8.5x");
  EXPECT_EQ(d.txtMaxWidth->text(), "12");
  EXPECT_EQ(d.txtMaxHeight->text(), "0");
  EXPECT_EQ(d.txtWidth->text(), "31");
  EXPECT_EQ(d.txtHeight->text(), "8.5");
  EXPECT_EQ(messages, std::vector<QString>{"Character Default|Max height must be between 1-768"});
}

TEST_F(CharDefault, LoadShowsTheHeaderAndNeverSetAuthorFieldsAsEmpty) {
  s.AuthorUrl = doc::FixedAuthorField("example.org");
  dialogs::frmCharDefault d(s, host);
  EXPECT_EQ(d.windowTitle(), "Character Default");
  EXPECT_EQ(d.txtMaxWidth->text(), "32");
  EXPECT_EQ(d.txtMaxHeight->text(), "16");
  EXPECT_EQ(d.txtWidth->text(), "10");
  EXPECT_EQ(d.txtHeight->text(), "16");
  EXPECT_EQ(d.txtAuthorName->text(), "");
  EXPECT_EQ(d.txtAuthorUrl->text(), s.AuthorUrl);  // trailing blanks included
  EXPECT_EQ(d.txtAuthorUrl->text().size(), 50);
}

TEST_F(CharDefault, OkStoresRoundedSizesFixedAuthorFieldsAndReloadsIntoANewGrid) {
  dialogs::frmCharDefault d(s, host);
  d.txtAuthorName->setText(QString(60, 'n'));
  d.txtAuthorEmail->setText("a@b.c");
  ASSERT_TRUE(PressOk(d, "40.5", "20", "8.5", "9.5"));
  EXPECT_EQ(s.MaxWidth, 40);
  EXPECT_EQ(s.DefaultWidth, 8);
  EXPECT_EQ(s.DefaultHeight, 10);
  EXPECT_EQ(s.AuthorName, QString(50, 'n'));
  EXPECT_EQ(s.AuthorEmail, QString("a@b.c").leftJustified(50, ' '));
  EXPECT_EQ(s.AuthorCompanyName, QString(50, ' '));
  EXPECT_EQ(host.charAtDrawFont, -1);
  EXPECT_EQ(host.gridHighXAtDrawFont, 60);
}

TEST_F(CharDefault, CancelThroughTheModalShowingChangesNothing) {
  const doc::ModConst before = s;
  script.Add([](QDialog& dialog) {
    auto& d = static_cast<dialogs::frmCharDefault&>(dialog);
    d.txtMaxWidth->setText("100");
    d.txtAuthorName->setText("someone");
    d.btnCancel_Click();
    return d.result();
  });
  EXPECT_FALSE(dialogs::ShowFontSettings(s, host));
  EXPECT_EQ(script.Shown(), 1);
  EXPECT_EQ(s.MaxWidth, before.MaxWidth);
  EXPECT_EQ(s.AuthorName, before.AuthorName);
  EXPECT_EQ(s.DesignData.HighX(), before.DesignData.HighX());
  EXPECT_TRUE(host.calls.empty());
}

}  // namespace
