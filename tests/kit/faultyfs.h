#pragma once

#include "store/filesystem.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <map>
#include <set>
#include <vector>

// Thrown at the step where a save "dies": the disk stays as a killed process leaves it.
struct SimulatedDeath
{
};

// The real file system with faults: counts every step (from 1), questions too, fails the
// steps in `failing` (a question gets no answer, a write writes half its bytes, a close
// closes all the same), and dies before doing step `dieAt` (or the first `dieAtFirst` step). The files in `readOnly` may not
// be written, as a file of mode 0444 for a user who is not root. Installs itself for its
// lifetime.
class FaultyFileSystem : public store::FileSystem
{
public:
    FaultyFileSystem();
    ~FaultyFileSystem() override; // closes what a dead save left open

    std::set<int> failing;
    int dieAt = 0;
    QString dieAtFirst;       // dies before the first step whose log line begins with it
    bool readsAreSteps = true; // false: a file is read as from the real file system, uncounted
    std::set<QString> readOnly;
    int steps = 0;
    std::vector<QString> log; // one line per step: what, and on which path

    std::optional<Kind> kindOf(const QString &name) override;
    std::optional<QString> linkTarget(const QString &link) override;
    std::optional<bool> mayWrite(const QString &name) override;
    std::optional<QStringList> entries(const QString &directory) override;
    std::optional<QByteArray> read(const QString &name) override;
    int create(const QString &name) override;
    bool takeAccess(int fd, const QString &from) override;
    bool write(int fd, const QByteArray &bytes) override;
    bool flush(int fd) override;
    bool close(int fd) override;
    bool rename(const QString &from, const QString &to) override;
    bool syncDirectory(const QString &directory) override;
    bool remove(const QString &name) override;

private:
    bool proceed(const QString &what); // false: this step fails
    store::RealFileSystem m_real;
    std::map<int, QString> m_open;
};

// Every file of the current directory with its bytes.
using DirectoryBytes = std::map<QString, QByteArray>;
DirectoryBytes directoryBytes();

// One step of a walk: the set on disk after the fault and after the next start.
enum class Fault { Fail, Die };
struct WalkStep
{
    int step = 0;
    Fault fault = Fault::Fail;
    QString action;              // the log line of the step
    std::vector<QString> actions; // every step of the save, in order
};

// Runs `save` once without faults to count its steps, then, for every step, in a fresh
// directory made by `prepare`, once with that step failing and once dying there, calling
// `check` after each. The file system is the real one again when `check` runs. With
// Reads::Pass the files a window reads before it saves are read as they are, no steps.
enum class Reads { AreSteps, Pass };
void walkEveryStep(const std::function<void()> &prepare, const std::function<void()> &save,
                   const std::function<void(const WalkStep &, bool died)> &check, Reads reads = Reads::AreSteps);

// The step of a save's log that is `action` (from 1; 0 when it has none), and the steps
// that commit the set, renaming its journal into place, and that end it, removing the journal.
int stepOf(const std::vector<QString> &actions, const QString &action);
int commitStep(const std::vector<QString> &actions);
int doneStep(const std::vector<QString> &actions);

// The file of the set `names` (in the set's order, as its helper files are numbered) that a
// step of the walk works on; the first for the journal and the directory.
QString fileOfStep(const QString &action, const QStringList &names);

// The check of one walk step of a save through store::saveSet with its message shown by
// platform::reportSave, in a directory whose four data files exist: right after the fault
// the set named is the complete old set (with the save's message naming the file whose step
// failed) or the complete new set (no message); after the next start-up check the directory
// holds exactly `old` or `saved`, with the message that says which.
void expectOldOrNewSet(const WalkStep &walk, bool died, const DirectoryBytes &old, const DirectoryBytes &saved,
                       const QStringList &names);

// A save that is whole wherever it fails or stops: `write` puts the data files of the old
// set in the current directory; `firstSave` (`save` where empty), run once on them, makes
// the new set, which must differ; then every step of `save` is walked (what its window reads
// first is no step of the save), each checked by expectOldOrNewSet over the files `names`.
void expectWholeAtEveryStep(const std::function<void()> &write, const std::function<void()> &save,
                            const QStringList &names, const std::function<void()> &firstSave = {});
