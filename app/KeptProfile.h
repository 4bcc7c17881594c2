#pragma once
// The web storage the program keeps between runs: one named profile shared by both panes, with
// its cookies (session ones too), local storage and cache under the user's data folder
// (QStandardPaths::AppDataLocation, e.g. ~/.local/share/Korvane/web and web-cache).
//
// One run at a time holds the folder (a lock file beside it). Where it cannot be had (the folder
// cannot be written or is full, `web` is not a folder, another run holds it) the panes get an
// off-the-record profile instead and one line on the error stream says why. A lock that no live
// run holds (its run is gone, or it is no lock at all) is taken over, with one line. A cookie
// database that is not a whole database file (cut short, overwritten) is set aside on its own,
// with one line; the rest of the storage (local storage: the games' saved progress) stays.
// Nothing of the user's is ever deleted: what cannot be set aside keeps this run off the record.
#include <QLockFile>
#include <QString>
#include <iosfwd>
#include <memory>

class QWebEngineProfile;

namespace app {

// Where a run keeps its web storage, or why it keeps none. Needs no web engine.
struct StorageChoice {
  QString storage;  // the `web` folder; empty when refused
  QString refused;  // why not, for the one line
  std::unique_ptr<QLockFile> lock;
};
// Checks the data folder, takes the lock and sets a damaged cookie database aside; each thing
// worth telling (a lock taken over, a database set aside) is one line on `err`.
// Less free space than minFreeBytes counts as a full folder.
constexpr qint64 kMinFreeBytes = 8 * 1024 * 1024;
StorageChoice ChooseStorage(const QString& dataFolder, std::ostream& err, qint64 minFreeBytes = kMinFreeBytes);

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

// Takes `lock` (no waiting). A lock file that no live run holds is taken over: one whose process
// is gone, one of another host, or one that is not a lock file at all (empty, garbage), once it
// is old enough not to be one being written this moment. Then *takenOver (when given) says whose
// it was, for the one line. False when a live run holds it or the file cannot be had.
bool TakeLock(QLockFile& lock, QString* takenOver = nullptr);

}  // namespace app
