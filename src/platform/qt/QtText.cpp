#include "platform/qt/QtText.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace ispyt {

QString fromCp1251(std::string_view bytes) {
  QStringDecoder decoder("windows-1251");
  return decoder(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string toCp1251(const QString& text) {
  QStringEncoder encoder("windows-1251", QStringConverter::Flag::Default);
  QByteArray bytes = encoder(text);
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace ispyt
