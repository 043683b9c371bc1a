#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "controls/ListView.h"

namespace {

using controls::ListView;

struct ListViewFixture : ::testing::Test {
  ListView view{{QStringLiteral("Code"), QStringLiteral("Text")}};
  controls::ImageList images;
  void SetUp() override {
    auto& items = view.ListItems();
    items.Add("A0", "000", "Empty").SetSubItems(1, "zero");
    items.Add("A1", "001", "Empty").SetSubItems(1, "one");
    items.Add("A2", "002", "Empty");
  }
};

TEST_F(ListViewFixture, ItemsByKeyAndByOneBasedIndex) {
  auto& items = view.ListItems();
  EXPECT_EQ(items.Count(), 3);
  EXPECT_EQ(items.Item("A1").Text(), "001");
  EXPECT_EQ(items.Item("A1").SubItems(1), "one");
  EXPECT_EQ(items.Item(1).Key(), "A0");
  EXPECT_EQ(items.Item(3).Key(), "A2");
  EXPECT_FALSE(items.Item(0));
  EXPECT_FALSE(items.Item(4));
  EXPECT_FALSE(items.Item("A9"));
  EXPECT_FALSE(items.Add("A1", "dup"));  // keys are unique
  EXPECT_EQ(items.Count(), 3);
  items.Clear();
  EXPECT_EQ(items.Count(), 0);
  EXPECT_FALSE(items.Item("A0"));
  // A null handle ignores writes.
  items.Item("A0").SetSelected(true);
  items.Item("A0").SetSmallIcon("x");
}

TEST_F(ListViewFixture, SelectionFromTheProgram) {
  EXPECT_FALSE(view.SelectedItem());
  QSignalSpy dbl(&view, &ListView::DblClick);
  view.ListItems().Item("A2").SetSelected(true);
  EXPECT_EQ(view.SelectedItem().Key(), "A2");
  view.ListItems().Item("A1").SetSelected(true);
  EXPECT_EQ(view.SelectedItem().Key(), "A1");  // single selection
  EXPECT_TRUE(view.ListItems().Item("A1").Selected());
  EXPECT_FALSE(view.ListItems().Item("A2").Selected());
  EXPECT_EQ(dbl.count(), 0);
}

TEST_F(ListViewFixture, OnlyADoubleClickOrEnterRaisesDblClick) {
  view.resize(300, 200);
  view.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  QSignalSpy dbl(&view, &ListView::DblClick);
  auto* second = view.topLevelItem(1);
  const QPoint at = view.visualItemRect(second).center();
  QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, at);
  EXPECT_EQ(view.SelectedItem().Key(), "A1");
  EXPECT_EQ(dbl.count(), 0);
  QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, at);
  EXPECT_EQ(dbl.count(), 1);
  QTest::keyClick(&view, Qt::Key_Return);
  EXPECT_EQ(dbl.count(), 2);
}

TEST_F(ListViewFixture, SmallIconsFollowTheAttachedImageList) {
  QPixmap red(47, 47);
  red.fill(Qt::red);
  images.ListImages.Add("Empty", red);
  auto* item = view.topLevelItem(0);
  EXPECT_TRUE(item->icon(0).isNull());
  view.SetSmallIcons(&images);
  EXPECT_FALSE(item->icon(0).isNull());
  view.SetSmallIcons(nullptr);
  EXPECT_TRUE(item->icon(0).isNull());
  view.SetSmallIcons(&images);
  view.ListItems().Item("A0").SetSmallIcon("Missing");  // a key without an image shows none
  EXPECT_TRUE(item->icon(0).isNull());
  EXPECT_EQ(view.ListItems().Item("A0").SmallIcon(), "Missing");
}

TEST(ImageList, RemoveTellsWhetherThereWasAnImage) {
  controls::ImageList list;
  list.ListImages.Add("A5", QPixmap(47, 47));
  EXPECT_TRUE(list.ListImages.Contains("A5"));
  EXPECT_TRUE(list.ListImages.Remove("A5"));
  EXPECT_FALSE(list.ListImages.Remove("A5"));
  EXPECT_FALSE(list.ListImages.Contains("A5"));
}

}  // namespace
