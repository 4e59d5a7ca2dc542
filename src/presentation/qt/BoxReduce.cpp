#include "presentation/qt/BoxReduce.h"

#include "presentation/qt/PictureImage.h"

namespace ispyt {

QImage reduceByThree(const QImage& enlarged) {
  return toImage(reduceByThree(toPicture(enlarged)));
}

}  // namespace ispyt
