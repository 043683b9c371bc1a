#pragma once
// A report-view list with keyed items and a keyed image list for its small icons:
// only the members the character-list panel and the glyph navigation use.
#include <QHash>
#include <QPixmap>
#include <QString>
#include <QTreeWidget>

namespace controls {

// Pictures under unique keys.
class ImageCollection {
 public:
  // Adds or replaces the picture of a key.
  void Add(const QString& key, const QPixmap& picture) { images_.insert(key, picture); }
  // False when the key holds no picture.
  bool Remove(const QString& key) { return images_.remove(key) > 0; }
  bool Contains(const QString& key) const { return images_.contains(key); }
  QPixmap Item(const QString& key) const { return images_.value(key); }
  int Count() const { return static_cast<int>(images_.size()); }

 private:
  QHash<QString, QPixmap> images_;
};

class ImageList {
 public:
  ImageCollection ListImages;
};

class ListView;

// A handle on one item; a null handle (no such item) reads as empty and ignores writes.
class ListItem {
 public:
  ListItem() = default;
  ListItem(ListView* view, QTreeWidgetItem* item) : view_(view), item_(item) {}
  explicit operator bool() const { return item_ != nullptr; }

  QString Key() const;
  QString Text() const;
  bool Selected() const;
  // Selecting from the program raises no DblClick.
  void SetSelected(bool selected);
  QString SmallIcon() const;
  void SetSmallIcon(const QString& key);
  // Column text of sub-item n (1 = the second column).
  QString SubItems(int n) const;
  void SetSubItems(int n, const QString& text);
  void EnsureVisible();

 private:
  ListView* view_ = nullptr;
  QTreeWidgetItem* item_ = nullptr;
};

class ListItemCollection {
 public:
  explicit ListItemCollection(ListView& view) : view_(view) {}
  void Clear();
  int Count() const;
  // Appends an item; a key already in use gives a null handle and adds nothing.
  ListItem Add(const QString& key, const QString& text, const QString& smallIcon = QString());
  ListItem Item(const QString& key) const;
  // 1-based position; out of range gives a null handle.
  ListItem Item(int index) const;

 private:
  friend class ListView;
  ListView& view_;
  QHash<QString, QTreeWidgetItem*> byKey_;
};

// Report view with the given column captions; single selection.
class ListView : public QTreeWidget {
  Q_OBJECT
 public:
  explicit ListView(const QStringList& columns, QWidget* parent = nullptr);

  ListItemCollection& ListItems() { return items_; }
  const ListItemCollection& ListItems() const { return items_; }
  // The selected item, or a null handle.
  ListItem SelectedItem();

  // The image list the small-icon keys refer to; nullptr detaches it (no icons shown).
  void SetSmallIcons(ImageList* images);
  ImageList* SmallIcons() const { return smallIcons_; }

 signals:
  // A double click on an item, or Enter on the selected one.
  void DblClick();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  friend class ListItem;
  friend class ListItemCollection;
  void ShowIcon(QTreeWidgetItem* item);
  ListItemCollection items_{*this};
  ImageList* smallIcons_ = nullptr;
};

}  // namespace controls
