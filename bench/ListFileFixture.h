#pragma once
// A CharList.ini of 200 lists of 512 Persian texts each, in a folder of its own.
#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

namespace benchfixture {

constexpr int kLists = 200;
constexpr int kKeys = 512;

struct BigList {
  QTemporaryDir dir;
  QString path = dir.filePath("CharList.ini");
  BigList() {
    QByteArray text = "[List]\n";
    for (int l = 1; l <= kLists; ++l) text += "Item" + QByteArray::number(l) + "=List " + QByteArray::number(l) + "\n";
    for (int l = 1; l <= kLists; ++l) {
      text += "\n[List " + QByteArray::number(l) + "]\n";
      for (int c = 0; c < kKeys; ++c)
        text += "Chars" + QByteArray::number(c) + "=\xD9\xBE" + QByteArray::number(c) + "\n";
    }
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(text);
  }
};

}  // namespace benchfixture
