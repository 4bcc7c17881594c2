#pragma once
// The web storage the program keeps between runs: one named profile shared by both panes, with
// its cookies (session ones too), local storage and cache under the user's data folder
// (QStandardPaths::AppDataLocation, e.g. ~/.local/share/Korvane/web and web-cache).
//
// One run at a time holds the folder (a lock file beside it). Where it cannot be had (the folder
// cannot be written, another run holds it) the panes get an off-the-record profile instead and
// one line on the error stream says why. A cookie database that is not a whole database file
// (cut short, overwritten) is set aside and the run starts from fresh storage, with one line.
#include <QString>
#include <iosfwd>
#include <memory>

class QLockFile;
class QWebEngineProfile;

namespace app {

class KeptProfile {
 public:
  // Opens the profile kept under `dataFolder`. Needs the QApplication.
  KeptProfile(const QString& dataFolder, std::ostream& err);
  ~KeptProfile();
  KeptProfile(const KeptProfile&) = delete;
  KeptProfile& operator=(const KeptProfile&) = delete;

  // The data folder of this user: AppDataLocation of the application's name.
  static QString DefaultDataFolder();

  QWebEngineProfile* Profile() const { return m_Profile.get(); }
  // False when the run fell back to an off-the-record profile.
  bool Persistent() const;
  QString StorageFolder() const;

 private:
  std::unique_ptr<QLockFile> m_Lock;
  std::unique_ptr<QWebEngineProfile> m_Profile;
};

// True when `path` is missing or holds what an SQLite database file starts with and a whole
// number of its pages; false for a file cut short or overwritten.
bool LooksLikeWholeDatabase(const QString& path);

}  // namespace app
