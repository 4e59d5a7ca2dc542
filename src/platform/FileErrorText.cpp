#include "platform/FileErrorText.h"

#include <cerrno>

#include "platform/Cp1251.h"

namespace ispyt {

std::string fileErrorReason(const std::error_code& error) {
  const std::error_condition e = error.default_error_condition();
  if (e == std::errc::no_space_on_device || e == std::errc::file_too_large)
    return cp1251("на диску не вистачає місця");
  if (e == std::errc::permission_denied || e == std::errc::operation_not_permitted)
    return cp1251("немає дозволу на запис");
  if (e == std::errc::read_only_file_system) return cp1251("диск лише для читання");
  if (e == std::errc::is_a_directory) return cp1251("на місці файлу стоїть тека");
  if (e == std::errc::not_a_directory) return cp1251("на місці теки стоїть файл");
  if (e == std::errc::no_such_file_or_directory) return cp1251("теку не знайдено");
  if (e == std::errc::file_exists) return cp1251("усі коди спроб цього тесту зайняті");
  if (e == std::errc::device_or_resource_busy || e == std::errc::resource_unavailable_try_again)
    return cp1251("файл зайнятий іншою програмою");
  return cp1251("помилка запису (код ") + std::to_string(error.value()) + ")";
}

}  // namespace ispyt
