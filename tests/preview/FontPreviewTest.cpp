#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "PreviewTestSupport.h"
#include "controls/Button.h"
#include "controls/Modal.h"
#include "preview/FontPreview.h"

namespace {

// The family this machine draws for "Tahoma", which is not installed here.
QString TahomaStandIn() { return QFontInfo(QFont(QStringLiteral("Tahoma"))).family(); }

TEST(FontPreview, SizeTextRules) {
  struct Case {
    const char* text;
    double size;
  };
  for (const Case c : {Case{"0", 8}, Case{"", 8}, Case{"abc", 8}, Case{"-5", 8}, Case{"500", 300}, Case{"300", 300},
                       Case{"7.5", 7.5}, Case{" 18pt", 18}}) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(preview::FontPreviewSize(c.text), c.size);
    preview::frmFontPreview w({TahomaStandIn()});
    w.cmbSize->setEditText(c.text);
    EXPECT_EQ(w.lblPreview->font().pointSizeF(), c.size);
    EXPECT_EQ(w.lblSampleText->font(), w.lblPreview->font());
  }
}

TEST(FontPreview, OpensOnTahomaOrTheFamilyDrawnInItsPlace) {
  struct Case {
    QStringList names;
    QString selected;
  };
  const QString standIn = TahomaStandIn();
  for (const Case& c : {Case{{"Zeta", "tahoma", "Alpha"}, "tahoma"}, Case{{"Zeta", standIn, "Alpha"}, standIn},
                        Case{{"Zeta", "Alpha"}, "Zeta"}}) {
    preview::frmFontPreview w(c.names);
    ASSERT_NE(w.lstFont->currentItem(), nullptr);
    EXPECT_EQ(w.lstFont->currentItem()->text(), c.selected);
    EXPECT_EQ(w.lblPreview->font().families().value(0), c.selected);
    EXPECT_EQ(w.lblPreview->font().pointSizeF(), 14);
    EXPECT_EQ(w.cmbStyle->currentText(), "Normal");
  }
  preview::frmFontPreview empty(QStringList{});
  EXPECT_EQ(empty.lstFont->count(), 0);
  EXPECT_EQ(empty.lblPreview->text(), preview::FontPreviewSample());
}

TEST(FontPreview, ListStylesAndSampleText) {
  const QStringList names = {"B Font", "A Font", "B Font"};
  preview::frmFontPreview w(names);
  ASSERT_EQ(w.lstFont->count(), 3);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(w.lstFont->item(i)->text(), names[i]);

  w.cmbStyle->setCurrentIndex(3);
  EXPECT_TRUE(w.lblPreview->font().bold());
  EXPECT_TRUE(w.lblPreview->font().italic());
  w.cmbStyle->setCurrentIndex(2);
  EXPECT_FALSE(w.lblPreview->font().bold());
  EXPECT_TRUE(w.lblPreview->font().italic());
  w.cmbStyle->setCurrentIndex(0);
  EXPECT_FALSE(w.lblPreview->font().bold() || w.lblPreview->font().italic());

  w.lstFont->setCurrentRow(1);
  EXPECT_EQ(w.lblSampleText->font().families().value(0), "A Font");
  w.txtSampleText->clear();
  QTest::keyClicks(w.txtSampleText, "Hi");
  EXPECT_EQ(w.lblSampleText->text(), "Hi");
  EXPECT_EQ(w.lblSampleText->font(), w.lblPreview->font());
}

TEST(FontPreview, PersianSampleIsDrawnInTheStandInFamily) {
  preview::frmFontPreview w({TahomaStandIn()});
  w.cmbSize->setEditText("24");
  // A joined Persian phrase in the sample line, to look at its shaping in the grab.
  w.txtSampleText->setText(
      QString::fromStdU16String(u"\u0633\u0644\u0627\u0645 \u06A9\u062A\u0627\u0628 \u0628\u0628\u0628"));
  const QImage img = previewtest::Grab(w, "font-preview");
  // Ink of the sample inside the preview label, on its white paper.
  const QRect area(w.lblPreview->mapTo(&w, QPoint(0, 0)), w.lblPreview->size());
  int ink = 0;
  for (int y = area.top() + 4; y < area.bottom() - 4; ++y)
    for (int x = area.left() + 4; x < area.right() - 4; ++x) ink += qGray(img.pixel(x, y)) < 100;
  EXPECT_GT(ink, 500);
  EXPECT_EQ(qGray(img.pixel(area.right() - 6, area.bottom() - 6)), 255);
}

TEST(FontPreview, OpensModallyAndOkCloses) {
  controls::ScopedModalScript script;
  QString title;
  script.Add([&](QDialog& d) {
    auto& w = dynamic_cast<preview::frmFontPreview&>(d);
    title = w.windowTitle();
    w.btnOk->click();
    return w.result();
  });
  preview::ShowFontPreview({"A"});
  EXPECT_EQ(title, "Font Preview");
  EXPECT_EQ(controls::Modal::UnansweredShowings(), 0);
}

}  // namespace
