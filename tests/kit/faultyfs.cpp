#include "kit/faultyfs.h"

#include "kit/datafiles.h"
#include "kit/testenv.h"
#include "platform/storemessages.h"
#include "store/saveset.h"

#include <QDir>

#include <algorithm>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace Qt::StringLiterals;

FaultyFileSystem::FaultyFileSystem()
{
    store::setFileSystem(this);
}

FaultyFileSystem::~FaultyFileSystem()
{
    store::setFileSystem(nullptr);
    for (const auto &open : m_open)
        ::close(open.first);
}

bool FaultyFileSystem::proceed(const QString &what)
{
    ++steps;
    log.push_back(what);
    if (steps == dieAt || (!dieAtFirst.isEmpty() && what.startsWith(dieAtFirst)))
        throw SimulatedDeath{};
    return !failing.contains(steps);
}

std::optional<store::FileSystem::Kind> FaultyFileSystem::kindOf(const QString &name)
{
    return proceed(u"kind "_s + name) ? m_real.kindOf(name) : std::nullopt;
}

std::optional<QString> FaultyFileSystem::linkTarget(const QString &link)
{
    return proceed(u"link "_s + link) ? m_real.linkTarget(link) : std::nullopt;
}

std::optional<bool> FaultyFileSystem::mayWrite(const QString &name)
{
    if (!proceed(u"writable "_s + name))
        return std::nullopt;
    return readOnly.contains(name) ? std::optional(false) : m_real.mayWrite(name);
}

std::optional<QStringList> FaultyFileSystem::entries(const QString &directory)
{
    return proceed(u"list "_s + directory) ? m_real.entries(directory) : std::nullopt;
}

std::optional<QByteArray> FaultyFileSystem::read(const QString &name)
{
    if (!readsAreSteps)
        return m_real.read(name);
    return proceed(u"read "_s + name) ? m_real.read(name) : std::nullopt;
}

int FaultyFileSystem::create(const QString &name)
{
    if (!proceed(u"create "_s + name))
        return -1;
    const int fd = m_real.create(name);
    if (fd >= 0)
        m_open[fd] = name;
    return fd;
}

bool FaultyFileSystem::takeAccess(int fd, const QString &from)
{
    return proceed(u"access "_s + m_open[fd]) && m_real.takeAccess(fd, from);
}

bool FaultyFileSystem::write(int fd, const QByteArray &bytes)
{
    if (!proceed(u"write "_s + m_open[fd])) {
        m_real.write(fd, bytes.left(bytes.size() / 2));
        return false;
    }
    return m_real.write(fd, bytes);
}

bool FaultyFileSystem::flush(int fd)
{
    return proceed(u"flush "_s + m_open[fd]) && m_real.flush(fd);
}

bool FaultyFileSystem::close(int fd)
{
    const bool fails = !proceed(u"close "_s + m_open[fd]);
    m_open.erase(fd);
    return m_real.close(fd) && !fails;
}

bool FaultyFileSystem::rename(const QString &from, const QString &to)
{
    return proceed(u"rename "_s + from + u" "_s + to) && m_real.rename(from, to);
}

bool FaultyFileSystem::syncDirectory(const QString &directory)
{
    return proceed(u"sync "_s + directory) && m_real.syncDirectory(directory);
}

bool FaultyFileSystem::remove(const QString &name)
{
    return proceed(u"remove "_s + name) && m_real.remove(name);
}

DirectoryBytes directoryBytes()
{
    DirectoryBytes files;
    for (const QString &name : QDir().entryList(QDir::Files | QDir::Hidden | QDir::System))
        files[name] = readFile(name);
    return files;
}

void walkEveryStep(const std::function<void()> &prepare, const std::function<void()> &save,
                   const std::function<void(const WalkStep &, bool died)> &check, Reads reads)
{
    std::vector<QString> actions;
    {
        ScopedDataDir dir;
        prepare();
        FaultyFileSystem counting;
        counting.readsAreSteps = reads == Reads::AreSteps;
        save();
        actions = counting.log;
    }
    ASSERT_FALSE(actions.empty());
    for (int step = 1; step <= int(actions.size()); ++step) {
        for (const Fault fault : {Fault::Fail, Fault::Die}) {
            const WalkStep walk{step, fault, actions[std::size_t(step - 1)], actions};
            SCOPED_TRACE((u"step %1 %2: "_s.arg(step).arg(fault == Fault::Fail ? u"fails"_s : u"dies"_s) +
                          walk.action)
                             .toStdString());
            ScopedDataDir dir;
            prepare();
            recorder().clear();
            bool died = false;
            {
                FaultyFileSystem faulty;
                faulty.readsAreSteps = reads == Reads::AreSteps;
                if (fault == Fault::Fail)
                    faulty.failing = {step};
                else
                    faulty.dieAt = step;
                try {
                    save();
                } catch (const SimulatedDeath &) {
                    died = true;
                }
            }
            EXPECT_EQ(died, fault == Fault::Die);
            check(walk, died);
        }
    }
}

int stepOf(const std::vector<QString> &actions, const QString &action)
{
    const auto found = std::find(actions.begin(), actions.end(), action);
    return found == actions.end() ? 0 : int(found - actions.begin()) + 1;
}

namespace {

// A helper file of a save, or its journal (also the journal's new file).
bool isHelperFile(const QString &name)
{
    using namespace store::savenames;
    return name.startsWith(kNewPrefix) || name.startsWith(kOldPrefix) || name.startsWith(kJournal) ||
           name.startsWith(kUndoJournal);
}

DirectoryBytes withoutHelperFiles(DirectoryBytes files)
{
    std::erase_if(files, [](const auto &file) { return isHelperFile(file.first); });
    return files;
}

QString namesText(const QStringList &names)
{
    if (names.size() == 1)
        return names.first();
    return names.mid(0, names.size() - 1).join(u", "_s) + u" och "_s + names.last();
}

} // namespace

int commitStep(const std::vector<QString> &actions)
{
    using namespace store::savenames;
    return stepOf(actions, u"rename "_s + kJournal + kNewSuffix + u' ' + kJournal);
}

int doneStep(const std::vector<QString> &actions)
{
    return stepOf(actions, u"remove "_s + store::savenames::kJournal);
}

QString fileOfStep(const QString &action, const QStringList &names)
{
    const QString path = action.section(u' ', 1, 1);
    for (const QString &prefix : {store::savenames::kNewPrefix, store::savenames::kOldPrefix}) {
        bool isNumber = false;
        const int n = path.startsWith(prefix) ? path.mid(prefix.size()).toInt(&isNumber) : -1;
        if (isNumber && n < names.size())
            return names[n];
    }
    for (const QString &name : names)
        if (path == name)
            return name;
    return names.first();
}

void expectOldOrNewSet(const WalkStep &walk, bool died, const DirectoryBytes &old, const DirectoryBytes &saved,
                       const QStringList &names)
{
    const int commit = commitStep(walk.actions);
    const int done = doneStep(walk.actions);
    ASSERT_GT(commit, 0);
    ASSERT_GT(done, commit);
    const bool savedBeforeTheFault = walk.step > done;
    if (!died) {
        const DirectoryBytes after = directoryBytes();
        EXPECT_EQ(withoutHelperFiles(after), savedBeforeTheFault ? saved : old);
        if (!walk.action.startsWith(u"remove "_s)) {
            EXPECT_EQ(after, withoutHelperFiles(after)) << "a helper file outlived the save";
        }
        const std::vector<RecordedMessage> told{
            {u"Filen %1 kunde inte sparas. Ingenting har ändrats."_s.arg(fileOfStep(walk.action, names)),
             u"FELMEDDELANDE"_s, 48}};
        EXPECT_EQ(recorder().messages, savedBeforeTheFault ? std::vector<RecordedMessage>{} : told);
    } else {
        EXPECT_TRUE(recorder().messages.empty());
    }

    recorder().clear();
    EXPECT_TRUE(platform::startupCheck());
    const bool finishedAtStart = died && walk.step > commit && walk.step <= done;
    EXPECT_EQ(directoryBytes(), finishedAtStart || savedBeforeTheFault ? saved : old);
    const std::vector<RecordedMessage> finished{
        {u"Sparandet av %1 avbröts innan det var klart. Det har nu gjorts klart."_s.arg(namesText(names)),
         u"Information"_s, 0}};
    EXPECT_EQ(recorder().messages, finishedAtStart ? finished : std::vector<RecordedMessage>{});
}

void expectWholeAtEveryStep(const std::function<void()> &write, const std::function<void()> &save,
                            const QStringList &names, const std::function<void()> &firstSave)
{
    DirectoryBytes old;
    const auto prepare = [&] {
        write();
        old = directoryBytes();
    };
    DirectoryBytes saved;
    {
        ScopedDataDir dir;
        prepare();
        ASSERT_NO_FATAL_FAILURE(firstSave ? firstSave() : save());
        saved = directoryBytes();
        ASSERT_NE(saved, old);
    }
    walkEveryStep(
        prepare, save, [&](const WalkStep &walk, bool died) { expectOldOrNewSet(walk, died, old, saved, names); },
        Reads::Pass);
}
