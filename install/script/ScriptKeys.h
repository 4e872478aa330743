// The keys of the setup script "uninst.uis" with their defaults, each key in
// one constant so that every default lives in one place. The names are the
// file format's, spelling included ("PackegeMethod", "IgNoreTimeStamp",
// "HelpTelephon", "FileExnted").
#pragma once

namespace install {

// A key whose value is text; a missing key reads as defaultValue.
struct StringKey {
  const char* section;
  const char* name;
  const char* defaultValue = "";
};

// A key whose value is a number (decimal, or hexadecimal after "$", "0x" or
// "0X"); a missing, empty or unreadable value reads as defaultValue.
struct IntegerKey {
  const char* section;
  const char* name;
  int defaultValue = 0;
};

// A key whose value is a number, any but 0 meaning true; written as "1" or "0".
struct BoolKey {
  const char* section;
  const char* name;
  bool defaultValue = false;
};

inline constexpr char kInstallSection[] = "Install";
inline constexpr char kCountSection[] = "Count";
inline constexpr char kUnInstallOptionSection[] = "UnInstallOption";
inline constexpr char kLicenseInfoSection[] = "LicenseInfo";
// The sections an installation adds to its uninstall record: where it went,
// and the names without extension its folder held afterwards, as "0", "1"...
inline constexpr char kUnInstallSection[] = "UnInstall";
inline constexpr char kUnInstallDirectoryInfoSection[] = "UnInstallDirectoryInfo";
// The [File] keys whose copy the user declined at the overwrite question, as
// "0", "1"...: the files there are the user's, and the removal leaves them.
inline constexpr char kUnInstallKeptSection[] = "UnInstallKept";

// The sections of the entry lists.
inline constexpr char kFileSection[] = "File";
inline constexpr char kStartMenuItemSection[] = "StartMenuItem";
inline constexpr char kRegistrySection[] = "Registry";
inline constexpr char kDeleteKeySection[] = "DeleteKey";
inline constexpr char kFileExntedSection[] = "FileExnted";

// What a record of an entry list reads as when its key is missing: separators
// only, so that every field is empty and takes its default.
inline constexpr char kMissingRegistryRecord[] = "||||";
inline constexpr char kMissingStartMenuRecord[] = "||||";
inline constexpr char kMissingFileRecord[] = "|||";
inline constexpr char kMissingDeleteKeyRecord[] = "|";

namespace install_keys {
inline constexpr StringKey kSoftName{kInstallSection, "SoftName"};
inline constexpr StringKey kTitle{kInstallSection, "Title", "Birchgate"};
inline constexpr StringKey kInstallSize{kInstallSection, "InstallSize"};
inline constexpr IntegerKey kInstallVersion{kInstallSection, "InstallVersion", 31};
inline constexpr BoolKey kCreateDesktop{kInstallSection, "CreateDesktop"};
inline constexpr StringKey kLogo{kInstallSection, "Logo"};
inline constexpr BoolKey kLogoNoResize{kInstallSection, "LogoNoResize"};
inline constexpr BoolKey kLogoNoCenter{kInstallSection, "LogoNoCenter"};
inline constexpr StringKey kGroupName{kInstallSection, "GroupName"};
inline constexpr BoolKey kShowReadMe{kInstallSection, "ShowReadMe"};
inline constexpr StringKey kReadMe{kInstallSection, "ReadMe"};
inline constexpr BoolKey kReadMeIsLicense{kInstallSection, "ReadMeIsLicense"};
inline constexpr StringKey kFolder{kInstallSection, "Folder"};
inline constexpr StringKey kNonHitFolder{kInstallSection, "NonHitFolder"};
inline constexpr BoolKey kRegistStartMenu{kInstallSection, "RegistStartMenu"};
inline constexpr BoolKey kRegistry{kInstallSection, "Registry"};
inline constexpr BoolKey kUnInstall{kInstallSection, "UnInstall", true};
inline constexpr StringKey kProjectName{kInstallSection, "ProjectName"};
inline constexpr StringKey kVersion{kInstallSection, "Version"};
inline constexpr BoolKey kIgNoreTimeStamp{kInstallSection, "IgNoreTimeStamp"};
inline constexpr IntegerKey kPackegeMethod{kInstallSection, "PackegeMethod", 0};
}  // namespace install_keys

namespace count_keys {
inline constexpr IntegerKey kFileCount{kCountSection, "FileCount", 0};
inline constexpr IntegerKey kStartMenuCount{kCountSection, "StartMenuCount", 0};
inline constexpr IntegerKey kRegistryCount{kCountSection, "RegistryCount", 0};
inline constexpr IntegerKey kDeleteKey{kCountSection, "DeleteKey", 0};
inline constexpr IntegerKey kFileExtCount{kCountSection, "FileExtCount", 1};
}  // namespace count_keys

namespace uninstall_option_keys {
inline constexpr BoolKey kRegistry{kUnInstallOptionSection, "Registry"};
inline constexpr BoolKey kDeleteAllFile{kUnInstallOptionSection, "DeleteAllFile"};
inline constexpr BoolKey kDeleteNoExtFile{kUnInstallOptionSection, "DeleteNoExtFile"};
inline constexpr BoolKey kReadyFolder{kUnInstallOptionSection, "ReadyFolder"};
}  // namespace uninstall_option_keys

namespace license_info_keys {
inline constexpr BoolKey kUseLicenseInfo{kLicenseInfoSection, "UseLicenseInfo"};
inline constexpr StringKey kHelpLink{kLicenseInfoSection, "HelpLink"};
inline constexpr StringKey kHelpTelephon{kLicenseInfoSection, "HelpTelephon"};
inline constexpr StringKey kURLInfoAbout{kLicenseInfoSection, "URLInfoAbout"};
inline constexpr StringKey kURLUpdateInfo{kLicenseInfoSection, "URLUpdateInfo"};
inline constexpr StringKey kPublisher{kLicenseInfoSection, "Publisher"};
}  // namespace license_info_keys

namespace uninstall_keys {
inline constexpr StringKey kInstalledFolder{kUnInstallSection, "InstalledFolder"};
inline constexpr StringKey kInstalledGroup{kUnInstallSection, "InstalledGroup"};
}  // namespace uninstall_keys

}  // namespace install
