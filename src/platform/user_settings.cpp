#include "platform/user_settings.hpp"

#include <boost/property_tree/ini_parser.hpp>
#include <boost/property_tree/ptree.hpp>
#include <fstream>
#include <system_error>

namespace platform {

std::string GetSetting(const std::string& section, const std::string& key,
                       const std::string& fallback) {
  try {
    boost::property_tree::ptree tree;
    std::ifstream in(UserSettingsFile());
    if (!in) return fallback;
    boost::property_tree::ini_parser::read_ini(in, tree);
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
        std::ifstream in(file);
        boost::property_tree::ini_parser::read_ini(in, tree);
      } catch (const std::exception&) {
        tree.clear();  // an unreadable file is replaced rather than blocking the setting
      }
    }
    tree.put(boost::property_tree::ptree::path_type(section + "/" + key, '/'), value);
    std::filesystem::create_directories(file.parent_path(), ec);
    // Opened by its path, not by a narrow name: any folder name works on Windows.
    std::ofstream out(file, std::ios::trunc);
    if (out) boost::property_tree::ini_parser::write_ini(out, tree);
  } catch (const std::exception&) {
    // Ignored, like every failure of the remembered setting.
  }
}

}  // namespace platform
