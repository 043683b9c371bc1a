#pragma once
// The icons of the main window's tools, drawn on a 16-unit square at 16 and 32 pixels
// (or the style's own for the file commands). Each needs a QApplication.
#include <QIcon>

namespace shell {

// A tool's icon as the layout rows name it.
using ToolIcon = QIcon (*)();

QIcon NewIcon();
QIcon OpenIcon();
QIcon SaveIcon();
QIcon UndoIcon();
QIcon RedoIcon();
QIcon CopyIcon();
QIcon PasteIcon();
QIcon ClearIcon();
QIcon ShiftLeftIcon();
QIcon ShiftRightIcon();
QIcon ShiftUpIcon();
QIcon ShiftDownIcon();
QIcon WidthIncIcon();
QIcon WidthDecIcon();
QIcon HeightIncIcon();
QIcon HeightDecIcon();
QIcon PreviousCharIcon();
QIcon NextCharIcon();
QIcon ReadFontIcon();
QIcon ResetDataIcon();
QIcon PointIcon();
QIcon LineIcon();
QIcon BorderIcon();
QIcon RectangleIcon();
QIcon ReplaceColorIcon();
QIcon TextIcon();
QIcon FlipHorizontalIcon();
QIcon FlipVerticalIcon();
QIcon InvertIcon();
QIcon BoldIcon();
QIcon ItalicIcon();
QIcon UnderlineIcon();
QIcon VerticalGuideIcon();
QIcon HorizontalGuideIcon();

}  // namespace shell
