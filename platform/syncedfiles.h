#pragma once

#include <QString>

#include <optional>

// A working folder kept in step between computers by a sync engine
// (Syncthing, Nextcloud, ownCloud, Dropbox). What one computer adds it writes
// into files of its own, named after it, which no other computer writes; the
// engine carries them whole. Where two computers did change the same file,
// the engine keeps one version and may leave the other beside it as a
// conflict copy, which the program folds back in.
namespace SyncedFiles {

// This computer's name in the names of its own files: $TAPMETER_COMPUTER when
// set, else the host name and the start of the machine's id, which tells
// apart two computers of the same host name. Letters other than ASCII letters,
// digits, '.', '_' and '-' become '_'.
QString computerName();

// The name of the file of which fileName (a name without folder) is a
// conflict copy, or nothing when it is none:
//   Syncthing          results.sync-conflict-20261207-193000-ABCDEFG.dat
//   Nextcloud/ownCloud results (conflicted copy 2026-12-07 193000).dat,
//                      results (conflicted copy Ann 2026-12-07 193000).dat
//   older ownCloud     results_conflict-20261207-193000.dat
//   Dropbox            results (Ann's conflicted copy 2026-12-07).dat,
//                      results (conflicted copy 2026-12-07 (1)).dat
std::optional<QString> conflictOriginal(const QString& fileName);

// The name a conflict copy is kept under once folded in: no engine's conflict
// name, so it is not folded again.
QString foldedName(const QString& fileName);

} // namespace SyncedFiles
