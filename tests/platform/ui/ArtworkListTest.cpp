// The picture sheet draws picture 0's textures alone when only a tile is
// cut from it: what is cut, and the whole picture drawn afterwards, are
// the pixels of the picture drawn at once.

#include <QtTest>

#include "platform/Artwork.h"
#include "platform/qt/ArtworkList.h"

using namespace ispyt;

class ArtworkListTest : public QObject {
  Q_OBJECT
 private slots:
  void aTileCutBeforeTheRestOfItsPictureIsTheTileOfTheWholePicture() {
    ArtworkList whole;
    const QImage wholeSheet = whole.picture(0);
    const artwork::Cut cuts[] = {artwork::kRollerTile, artwork::kParchmentTile,
                                 {0, artwork::kSheetTextures}};
    for (const artwork::Cut& c : cuts) {
      ArtworkList fresh;
      QVERIFY2(fresh.cut(c) == whole.cut(c), qPrintable(QString("tile at x %1").arg(c.rect.x)));
      // The rest is drawn over the textures already there.
      QVERIFY(fresh.cut(artwork::kExitPicture) == whole.cut(artwork::kExitPicture));
      QVERIFY(fresh.picture(0) == wholeSheet);
    }
  }
};

QTEST_MAIN(ArtworkListTest)
#include "ArtworkListTest.moc"
