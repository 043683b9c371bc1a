#include "controls/ListView.h"

#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>

namespace controls {

namespace {
constexpr int KeyRole = Qt::UserRole;
constexpr int IconKeyRole = Qt::UserRole + 1;
}  // namespace

QString ListItem::Key() const { return item_ ? item_->data(0, KeyRole).toString() : QString(); }

QString ListItem::Text() const { return item_ ? item_->text(0) : QString(); }

bool ListItem::Selected() const { return item_ && item_->isSelected(); }

void ListItem::SetSelected(bool selected) {
  if (!item_) return;
  // The current item follows the selection, so the keyboard goes on from it.
  if (selected) view_->setCurrentItem(item_);
  item_->setSelected(selected);
}

QString ListItem::SmallIcon() const { return item_ ? item_->data(0, IconKeyRole).toString() : QString(); }

void ListItem::SetSmallIcon(const QString& key) {
  if (!item_) return;
  item_->setData(0, IconKeyRole, key);
  view_->ShowIcon(item_);
}

QString ListItem::SubItems(int n) const { return item_ ? item_->text(n) : QString(); }

void ListItem::SetSubItems(int n, const QString& text) {
  if (item_ && n >= 1 && n < view_->columnCount()) item_->setText(n, text);
}

void ListItem::EnsureVisible() {
  if (item_) view_->scrollToItem(item_);
}

void ListItemCollection::Clear() {
  byKey_.clear();
  view_.clear();
}

int ListItemCollection::Count() const { return view_.topLevelItemCount(); }

ListItem ListItemCollection::Add(const QString& key, const QString& text, const QString& smallIcon) {
  if (!key.isEmpty() && byKey_.contains(key)) return {};
  auto* item = new QTreeWidgetItem(QStringList{text});
  item->setData(0, KeyRole, key);
  item->setData(0, IconKeyRole, smallIcon);
  view_.addTopLevelItem(item);
  if (!key.isEmpty()) byKey_.insert(key, item);
  view_.ShowIcon(item);
  return {&view_, item};
}

ListItem ListItemCollection::Item(const QString& key) const { return {&view_, byKey_.value(key, nullptr)}; }

ListItem ListItemCollection::Item(int index) const {
  if (index < 1 || index > Count()) return {};
  return {&view_, view_.topLevelItem(index - 1)};
}

ListView::ListView(const QStringList& columns, QWidget* parent) : QTreeWidget(parent) {
  setColumnCount(static_cast<int>(columns.size()));
  setHeaderLabels(columns);
  setRootIsDecorated(false);
  setItemsExpandable(false);
  setUniformRowHeights(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  header()->setStretchLastSection(true);
  // Only a double click switches; a single click (whatever the style says) selects.
  connect(this, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem*, int) { emit DblClick(); });
}

ListItem ListView::SelectedItem() {
  const auto selected = selectedItems();
  return selected.isEmpty() ? ListItem() : ListItem(this, selected.first());
}

void ListView::SetSmallIcons(ImageList* images) {
  smallIcons_ = images;
  for (int i = 0; i < topLevelItemCount(); ++i) ShowIcon(topLevelItem(i));
}

void ListView::ShowIcon(QTreeWidgetItem* item) {
  const QString key = item->data(0, IconKeyRole).toString();
  if (smallIcons_ && !key.isEmpty() && smallIcons_->ListImages.Contains(key)) {
    item->setIcon(0, QIcon(smallIcons_->ListImages.Item(key)));
  } else if (!item->icon(0).isNull()) {
    item->setIcon(0, QIcon());
  }
}

void ListView::keyPressEvent(QKeyEvent* event) {
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !selectedItems().isEmpty()) {
    emit DblClick();
    return;
  }
  QTreeWidget::keyPressEvent(event);
}

}  // namespace controls
