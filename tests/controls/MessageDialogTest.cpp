#include <QApplication>
#include <QDialog>
#include <gtest/gtest.h>

#include "controls/MessageDialog.h"
#include "controls/Modal.h"

using controls::MessageDialog;
using controls::Modal;
using controls::ScopedModalScript;

namespace {

MessageDialog& AsBox(QDialog& d) { return static_cast<MessageDialog&>(d); }

TEST(MessageDialog, ButtonsReadThreeTwoOneAndEmptyCaptionsAreHidden) {
  MessageDialog box;
  box.Prompt = QStringLiteral("first\r\nsecond");
  box.Button1Caption = QStringLiteral("    No    ");
  box.Button2Caption = QStringLiteral("    Yes    ");
  box.DefaultButton = 1;
  box.Apply();
  EXPECT_EQ(box.ShownText(), QStringLiteral("first\nsecond"));
  EXPECT_TRUE(box.ButtonShown(1));
  EXPECT_TRUE(box.ButtonShown(2));
  EXPECT_FALSE(box.ButtonShown(3));
  EXPECT_EQ(box.ShownCaption(2), QStringLiteral("Yes"));
  EXPECT_EQ(box.ShownCaption(1), QStringLiteral("No"));
  EXPECT_EQ(box.DefaultShown(), 1);
}

TEST(MessageDialog, PressedButtonIsTheResult) {
  for (int pressed = 1; pressed <= 3; ++pressed) {
    ScopedModalScript script({[pressed](QDialog& d) {
      AsBox(d).Press(pressed);
      return d.result();
    }});
    MessageDialog box;
    box.Button1Caption = QStringLiteral("Cancel");
    box.Button2Caption = QStringLiteral("No");
    box.Button3Caption = QStringLiteral("Yes");
    QString arg;
    EXPECT_EQ(box.ShowDialog(arg), pressed);
    EXPECT_EQ(script.Shown(), 1);
  }
}

TEST(MessageDialog, WithoutCaptionsOffersOkAndClosingCountsAsButtonOne) {
  {
    ScopedModalScript script({[](QDialog& d) {
      EXPECT_TRUE(AsBox(d).ButtonShown(1));
      EXPECT_EQ(AsBox(d).ShownCaption(1), QStringLiteral("OK"));
      EXPECT_FALSE(AsBox(d).ButtonShown(2));
      AsBox(d).Press(1);
      return d.result();
    }});
    MessageDialog box;
    box.Prompt = QStringLiteral("Bad Font File or your font file was damaged.");
    QString arg;
    EXPECT_EQ(box.ShowDialog(arg), 1);
  }
  {
    // Title-bar close or Escape: the dialog is rejected.
    ScopedModalScript script({[](QDialog& d) {
      d.reject();
      return d.result();
    }});
    MessageDialog box;
    box.Button3Caption = QStringLiteral("Yes");
    box.Button2Caption = QStringLiteral("No");
    box.Button1Caption = QStringLiteral("Cancel");
    QString arg;
    EXPECT_EQ(box.ShowDialog(arg), 1);
  }
}

TEST(MessageDialog, HiddenDefaultFallsBackToAShownButton) {
  MessageDialog box;
  box.Button1Caption = QStringLiteral("No");
  box.Button2Caption = QStringLiteral("Yes");
  box.DefaultButton = 3;
  box.Apply();
  EXPECT_EQ(box.DefaultShown(), 1);
}

TEST(MessageDialog, MissingFontFamilyKeepsSizeAndWeight) {
  MessageDialog box;
  box.FontName = QStringLiteral("No Such Family 12345");
  box.FontSize = 10.0f;
  box.FontBold = true;
  const QFont f = box.ResolvedFont();
  EXPECT_EQ(f.family(), QApplication::font().family());
  EXPECT_TRUE(f.bold());
  EXPECT_DOUBLE_EQ(f.pointSizeF(), 10.0);
}

TEST(MessageDialog, ColoursAreBgrOrSystemIndices) {
  EXPECT_EQ(MessageDialog::ResolveColor(0x000000FF, false), QColor(255, 0, 0));
  EXPECT_EQ(MessageDialog::ResolveColor(0x00FF0000, false), QColor(0, 0, 255));
  EXPECT_EQ(MessageDialog::ResolveColor(0x80000018, false), QApplication::palette().color(QPalette::ToolTipBase));
  EXPECT_EQ(MessageDialog::ResolveColor(0x80000017, true), QApplication::palette().color(QPalette::ToolTipText));
}

}  // namespace
