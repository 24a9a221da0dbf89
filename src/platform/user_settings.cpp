#include "platform/user_settings.hpp"

#include <boost/property_tree/ini_parser.hpp>
#include <boost/property_tree/ptree.hpp>
#include <cstdlib>
#include <system_error>

namespace platform {

std::filesystem::path UserSettingsFile() {
  std::filesystem::path base;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && *xdg != '\0') {
    base = xdg;
  } else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
    base = std::filesystem::path(home) / ".config";
  } else {
    base = ".config";
  }
  return base / "volleta" / "volleta.ini";
}

std::string GetSetting(const std::string& section, const std::string& key,
                       const std::string& fallback) {
  try {
    boost::property_tree::ptree tree;
    boost::property_tree::ini_parser::read_ini(UserSettingsFile().string(), tree);
    return tree.get<std::string>(boost::property_tree::ptree::path_type(section + "/" + key, '/'),
                                 fallback);
  } catch (const std::exception&) {
    return fallback;
  }
}

void SaveSetting(const std::string& section, const std::string& key, const std::string& value) {
  try {
    const std::filesystem::path file = UserSettingsFile();
    boost::property_tree::ptree tree;
    std::error_code ec;
    if (std::filesystem::exists(file, ec)) {
      try {
        boost::property_tree::ini_parser::read_ini(file.string(), tree);
      } catch (const std::exception&) {
        tree.clear();  // an unreadable file is replaced rather than blocking the setting
      }
    }
    tree.put(boost::property_tree::ptree::path_type(section + "/" + key, '/'), value);
    std::filesystem::create_directories(file.parent_path(), ec);
    boost::property_tree::ini_parser::write_ini(file.string(), tree);
  } catch (const std::exception&) {
    // Ignored, like every failure of the remembered setting.
  }
}

}  // namespace platform
