#include <gtest/gtest.h>

#include <QFile>
#include <QFontDatabase>
#include <QSet>

#include "platform/FontFamilies.h"

namespace {

TEST(FontFamilies, FoundryTagIsCutOnlyFromTheEnd) {
  const std::pair<const char*, const char*> cases[] = {
      {"C059 [UKWN]", "C059"}, {"DejaVu Sans", "DejaVu Sans"}, {"A [b] c", "A [b] c"}, {"[urw]", "[urw]"}};
  for (const auto& [in, out] : cases) EXPECT_EQ(platform::WithoutFoundry(in), out) << in;
}

// A second foundry of an installed family makes the font database list it twice,
// tagged ("DejaVu Sans Mono [PfEd]", "... [QNTS]"): the box lists it once, plainly,
// and every name it lists is the family drawn for that name.
TEST(FontFamilies, EachFamilyOnceByTheNameItIsDrawnWith) {
  QFile file("/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf");
  if (!file.open(QIODevice::ReadOnly)) GTEST_SKIP() << "DejaVu Sans Mono is not installed";
  QByteArray data = file.readAll();
  const qsizetype vendor = data.indexOf("PfEd");  // the maker's tag in the OS/2 table
  ASSERT_GT(vendor, 0);
  data.replace(vendor, 4, "QNTS");
  const int id = QFontDatabase::addApplicationFontFromData(data);
  ASSERT_GE(id, 0);
  const QStringList database = QFontDatabase::families();
  const QStringList listed = platform::UserFontFamilies(database);
  QFontDatabase::removeApplicationFont(id);

  EXPECT_TRUE(database.contains("DejaVu Sans Mono [QNTS]")) << database.join(", ").toStdString();
  EXPECT_EQ(listed.count("DejaVu Sans Mono"), 1);
  EXPECT_EQ(QSet<QString>(listed.begin(), listed.end()).size(), listed.size());
  for (const QString& name : listed) {
    EXPECT_FALSE(name.contains('[')) << name.toStdString();
    EXPECT_EQ(name, platform::DrawnFamily(name)) << name.toStdString();
  }
  EXPECT_TRUE(listed.contains("DejaVu Sans"));
}

}  // namespace
