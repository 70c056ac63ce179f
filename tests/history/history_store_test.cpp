// The history against a real SQLite file in a temporary folder: every event kind round
// trip, lazy opening, order when the clock goes back, the schema's forward path, every
// fault (no folder, read-only, full, locked also at the end, not a database, damaged,
// another program's or a newer version's file), and the writer thread in front of it.
#include "history/history_schema.h"
#include "history/history_store.h"
#include "history/sqlite_statement.h"
#include "support/test_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QVariant>
#include <gtest/gtest.h>
#include <random>
#include <sqlite3.h>
#include <unistd.h>

namespace trovel::test {
namespace {

QDateTime local(int h, int m, int s = 0, QDate d = QDate(2026, 3, 29)) { return QDateTime(d, QTime(h, m, s)); }

// The first column of every row `sql` gives, through a connection of the test's own.
QVariantList column(const QString &path, const QString &sql) {
    QVariantList out;
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
        SqlStatement q(db, sql.toUtf8().constData());
        while (q.step() == SQLITE_ROW) {
            const QString text = q.text(0);
            bool number = false;
            const qlonglong n = text.toLongLong(&number);
            out.append(number ? QVariant(n) : QVariant(text));
        }
    }
    sqlite3_close_v2(db);
    return out;
}

class HistoryFileTest : public ::testing::Test {
protected:
    HistoryFileTest() { store = make_store(); }

    std::unique_ptr<HistoryFile> make_store() {
        auto s = std::make_unique<HistoryFile>(path());
        s->set_note([this](const QString &text) { notes.append(text); });
        return s;
    }
    QString folder() const { return dir.filePath(QStringLiteral("trovel")); }
    QString path() const { return folder() + QStringLiteral("/history.sqlite"); }
    QVariantList kinds() const { return column(path(), QStringLiteral("SELECT kind FROM events ORDER BY seq")); }
    // Records a pause_on stamped at minute m past ten.
    void record_at(int minute) {
        HistoryEvent e = HistoryEvent::pause_on();
        e.at = local(10, minute);
        store->record(e);
    }

    QTemporaryDir dir;
    QStringList notes;
    std::unique_ptr<HistoryFile> store;
};

TEST_F(HistoryFileTest, EveryKindGoesToTheFileAndComesBackInOrder) {
    const QDateTime start(QDate(2026, 10, 25), QTime(2, 30), QTimeZone(3600 * 2)); // before the clocks go back
    const std::vector<HistoryEvent> recorded = {
        HistoryEvent::program_start(),
        HistoryEvent::typing_phase(start, 590),
        HistoryEvent::rest_completed(300),
        HistoryEvent::rest_ignored(40),
        HistoryEvent::break_taken(BreakSource::menu),
        HistoryEvent::break_taken(BreakSource::tray),
        HistoryEvent::natural_break(1260),
        HistoryEvent::full_screen_wait(130),
        HistoryEvent::pause_on(),
        HistoryEvent::pause_off(),
        HistoryEvent::program_end(),
    };
    for (size_t i = 0; i < recorded.size(); ++i) {
        HistoryEvent e = recorded[i];
        e.at = local(10, int(i));
        store->record(e);
    }
    EXPECT_EQ(store->waiting(), 0u);
    EXPECT_TRUE(notes.isEmpty()) << notes.join('\n').toStdString();

    store = make_store(); // as at the next start
    const std::vector<HistoryEvent> back = store->events();
    ASSERT_EQ(back.size(), recorded.size());
    for (size_t i = 0; i < back.size(); ++i) {
        SCOPED_TRACE(i);
        HistoryEvent expected = recorded[i];
        expected.at = local(10, int(i));
        expected.seq = int64_t(i) + 1;
        EXPECT_EQ(back[i], expected);
        EXPECT_EQ(back[i].at.toString(Qt::ISODate).left(16), expected.at.toString(Qt::ISODate).left(16));
    }
    EXPECT_EQ(back[1].started.offsetFromUtc(), 7200); // the wall clock of the start is kept too
    EXPECT_EQ(column(path(), QStringLiteral("PRAGMA user_version")), QVariantList{history_schema_version()});
    EXPECT_EQ(column(path(), QStringLiteral("PRAGMA journal_mode")), QVariantList{QStringLiteral("wal")});
}

TEST_F(HistoryFileTest, NothingIsOpenedOrCreatedBeforeTheFirstEvent) {
    auto unused = make_store();
    EXPECT_FALSE(QFileInfo::exists(folder()));
    EXPECT_FALSE(unused->is_open());
    record_at(1);
    EXPECT_TRUE(store->is_open());
    EXPECT_TRUE(QFileInfo::exists(path()));
}

TEST_F(HistoryFileTest, TheFileLivesUnderXdgDataHomeOrTheHomeFolder) {
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    struct Case {
        QByteArray xdg;
        QString expected;
    };
    for (const Case &c :
         {Case{"/data/x", "/data/x/trovel/history.sqlite"}, Case{"/data/x/", "/data/x/trovel/history.sqlite"},
          Case{"relative/x", QDir::homePath() + "/.local/share/trovel/history.sqlite"},
          Case{"", QDir::homePath() + "/.local/share/trovel/history.sqlite"}}) {
        qputenv("XDG_DATA_HOME", c.xdg);
        EXPECT_EQ(history_file_path(), c.expected) << c.xdg.constData();
    }
    qputenv("XDG_DATA_HOME", saved);
}

TEST_F(HistoryFileTest, TheSequenceKeepsTheOrderWhenTheClockGoesBack) {
    for (int minute : {30, 5, 20}) // the clock is set back between the first and second
        record_at(minute);
    const std::vector<HistoryEvent> back = store->events();
    ASSERT_EQ(back.size(), 3u);
    EXPECT_EQ(back[0].at, local(10, 30));
    EXPECT_EQ(back[1].at, local(10, 5));
    EXPECT_EQ(back[2].at, local(10, 20));
    EXPECT_LT(back[0].seq, back[1].seq);
    EXPECT_LT(back[1].seq, back[2].seq);
}

TEST_F(HistoryFileTest, AFolderThatCannotBeCreatedKeepsEventsUntilItCan) {
    write_file(dir.filePath(QStringLiteral("trovel")), "a file where the folder should be");
    record_at(1);
    record_at(2);
    EXPECT_EQ(store->waiting(), 2u);
    EXPECT_EQ(store->events().size(), 2u); // the window still sees them
    ASSERT_EQ(notes.size(), 1) << "said once";
    EXPECT_TRUE(notes[0].contains(folder())) << notes[0].toStdString();

    QFile::remove(dir.filePath(QStringLiteral("trovel")));
    record_at(3);
    EXPECT_EQ(store->waiting(), 0u);
    const std::vector<HistoryEvent> back = store->events();
    ASSERT_EQ(back.size(), 3u);
    EXPECT_EQ(back[0].at, local(10, 1));
    EXPECT_EQ(back[2].at, local(10, 3));
}

// Runs as an ordinary user as well (see tests/CMakeLists.txt): root may write anyway.
TEST_F(HistoryFileTest, ReadOnlyFolderOrFileKeepsEventsUntilWritable) {
    if (geteuid() == 0) GTEST_SKIP() << "a privileged user writes read-only files";
    const auto rx = QFileDevice::ReadOwner | QFileDevice::ExeOwner;
    const auto rwx = rx | QFileDevice::WriteOwner;

    // A read-only folder where no file is yet.
    QDir().mkpath(folder());
    QFile::setPermissions(folder(), rx);
    record_at(1);
    EXPECT_EQ(store->waiting(), 1u);
    QFile::setPermissions(folder(), rwx);
    record_at(2);
    EXPECT_EQ(store->waiting(), 0u);

    // A read-only file (and folder, so no journal can be made) on the next start.
    store = make_store();
    QFile::setPermissions(path(), QFileDevice::ReadOwner);
    QFile::remove(path() + "-wal"), QFile::remove(path() + "-shm");
    QFile::setPermissions(folder(), rx);
    record_at(3);
    record_at(4);
    EXPECT_EQ(store->waiting(), 2u);
    // A WAL file in a read-only folder may not even be readable: the waiting ones are.
    EXPECT_GE(store->events().size(), 2u);
    QFile::setPermissions(folder(), rwx);
    QFile::setPermissions(path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    store->close(); // a file opened read-only stays so until opened again
    record_at(5);
    EXPECT_EQ(store->waiting(), 0u);
    EXPECT_EQ(kinds().size(), 5);
    EXPECT_GE(notes.size(), 1);
}

TEST_F(HistoryFileTest, AFullDiskKeepsEventsUntilThereIsRoom) {
    record_at(0);
    store->set_page_limit(1); // no more pages than the file has now
    int recorded = 1;
    while (store->waiting() == 0 && recorded < 5000)
        record_at(recorded++ % 60);
    ASSERT_EQ(store->waiting(), 1u) << "the file never filled up";
    record_at(7);
    EXPECT_EQ(store->waiting(), 2u);
    ASSERT_EQ(notes.size(), 1);
    EXPECT_TRUE(notes[0].contains(QStringLiteral("full"))) << notes[0].toStdString();

    store->set_page_limit(0);
    record_at(8);
    EXPECT_EQ(store->waiting(), 0u);
    const QVariantList seqs = column(path(), QStringLiteral("SELECT seq FROM events ORDER BY seq"));
    ASSERT_EQ(seqs.size(), recorded + 2);
    EXPECT_EQ(seqs.back().toInt(), recorded + 2);
}

// Another program holding the file's write lock until release().
class LockHolder {
public:
    explicit LockHolder(const QString &path) {
        process.start(QStringLiteral("/usr/bin/python3"),
                      {QStringLiteral("-c"),
                       QStringLiteral("import sqlite3, sys\n"
                                      "c = sqlite3.connect(sys.argv[1], isolation_level=None)\n"
                                      "c.execute('BEGIN EXCLUSIVE')\n"
                                      "print('locked', flush=True)\n"
                                      "sys.stdin.readline()\n"
                                      "c.execute('COMMIT')\n"),
                       path});
        locked = process.waitForReadyRead(10000) && process.readLine().trimmed() == "locked";
    }
    ~LockHolder() { release(); }
    void release() {
        if (process.state() == QProcess::NotRunning) return;
        process.write("\n");
        process.closeWriteChannel();
        process.waitForFinished(10000);
    }
    QProcess process;
    bool locked = false;
};

TEST_F(HistoryFileTest, ALockHeldByAnotherProgramDelaysTheEventToTheNextOne) {
    record_at(1);
    LockHolder holder(path());
    ASSERT_TRUE(holder.locked) << holder.process.readAllStandardError().toStdString();

    QElapsedTimer waited;
    waited.start();
    record_at(2);
    const qint64 ms = waited.elapsed();
    EXPECT_EQ(store->waiting(), 1u);
    EXPECT_GE(ms, HistoryFile::kBusyTimeoutMs - 10) << "gave up without waiting";
    EXPECT_LT(ms, 2000) << "waited far longer than the busy timeout";
    ASSERT_EQ(notes.size(), 1);
    EXPECT_TRUE(notes[0].contains(QStringLiteral("locked")));

    holder.release();
    record_at(3);
    EXPECT_EQ(store->waiting(), 0u);
    EXPECT_EQ(column(path(), QStringLiteral("SELECT at FROM events ORDER BY seq")),
              (QVariantList{history_time_text(local(10, 1)), history_time_text(local(10, 2)),
                            history_time_text(local(10, 3))}));
}

TEST_F(HistoryFileTest, AFileStillLockedAtTheEndGetsAFewSecondsThenTheLossIsCounted) {
    record_at(1);
    LockHolder holder(path());
    ASSERT_TRUE(holder.locked);
    record_at(2);
    record_at(3);
    ASSERT_EQ(store->waiting(), 2u);
    QElapsedTimer took;
    took.start();
    store->finish();
    EXPECT_GE(took.elapsed(), HistoryFile::kFinishWaitMs - 100);
    EXPECT_LT(took.elapsed(), HistoryFile::kFinishWaitMs + 3000);
    EXPECT_EQ(store->waiting(), 0u);
    ASSERT_EQ(notes.size(), 2);
    EXPECT_TRUE(notes[1].contains(QStringLiteral("2 events")) && notes[1].contains(path())) << notes[1].toStdString();
}

// A file that is not a sound database, as it may be found at start.
struct BrokenFile {
    const char *name;
    QByteArray (*make)(const QString &path); // writes the file, returns its bytes
};

QByteArray make_text(const QString &path) {
    const QByteArray bytes = QByteArray("not a database\n").repeated(400);
    write_file(path, bytes);
    return bytes;
}

QByteArray make_cut_header(const QString &path) {
    const QByteArray bytes = QByteArray("SQLite format 3", 16) + QByteArray(84, '\xff');
    write_file(path, bytes);
    return bytes;
}

// A real history with one of its table pages overwritten.
QByteArray make_damaged(const QString &path) {
    {
        HistoryFile s(path);
        s.set_note([](const QString &) {});
        for (int i = 0; i < 400; ++i) {
            HistoryEvent e = HistoryEvent::rest_completed(i);
            e.at = local(9, 0);
            s.record(e);
        }
    }
    QFile f(path);
    if (!f.open(QIODevice::ReadWrite)) return {};
    QByteArray bytes = f.readAll();
    bytes.replace(4096 + 8, 3000, QByteArray(3000, '\x5a'));
    f.seek(0);
    f.write(bytes);
    return bytes;
}

class BrokenHistoryFile : public HistoryFileTest, public ::testing::WithParamInterface<BrokenFile> {};

TEST_P(BrokenHistoryFile, IsMovedAsideOnceAndANewOneBegun) {
    QDir().mkpath(folder());
    const QByteArray bytes = GetParam().make(path());
    ASSERT_FALSE(bytes.isEmpty());
    write_file(path() + "-wal", "a journal of the broken file");

    record_at(1);
    record_at(2);
    EXPECT_EQ(store->waiting(), 0u);
    const QString aside = path() + ".broken-2026-03-29";
    EXPECT_EQ(read_file(aside), bytes);
    // SQLite may drop a journal it cannot use itself; it must never reach the new file.
    EXPECT_NE(read_file(path() + "-wal"), "a journal of the broken file");
    EXPECT_EQ(kinds(), (QVariantList{QStringLiteral("pause_on"), QStringLiteral("pause_on")}));
    ASSERT_EQ(notes.size(), 1);
    EXPECT_TRUE(notes[0].contains(aside)) << notes[0].toStdString();

    // Broken again the same day: the first one aside is kept.
    store->close();
    GetParam().make(path());
    record_at(3);
    EXPECT_EQ(read_file(aside), bytes);
    EXPECT_TRUE(QFileInfo::exists(aside + "-2"));
    EXPECT_EQ(kinds().size(), 1);
    EXPECT_EQ(notes.size(), 2);
}

INSTANTIATE_TEST_SUITE_P(Files, BrokenHistoryFile,
                         ::testing::Values(BrokenFile{"Text", make_text}, BrokenFile{"CutHeader", make_cut_header},
                                           BrokenFile{"DamagedPage", make_damaged}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(HistoryFileTest, ADamagedPageFoundByAReadIsMovedAsideAndWhatWasReadKept) {
    for (int i = 0; i < 5000; ++i)
        record_at(i % 60);
    store.reset();
    // One page of the events table in the second half, overwritten with random bytes.
    QFile f(path());
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    QByteArray bytes = f.readAll();
    constexpr int kPage = 4096;
    const int pages = int(bytes.size() / kPage);
    int page = pages / 2;
    while (page < pages && bytes[page * kPage] != '\x0d') // a leaf page of a table
        ++page;
    ASSERT_LT(page, pages);
    std::mt19937 random(20);
    for (int i = 0; i < kPage; ++i)
        bytes[page * kPage + i] = char(random());
    f.seek(0), f.write(bytes), f.close();

    store = make_store();
    const std::vector<HistoryEvent> read = store->events();
    EXPECT_GT(read.size(), 100u);
    EXPECT_LT(read.size(), 5000u);
    const QString aside = path() + ".broken-" + QDate::currentDate().toString(Qt::ISODate);
    EXPECT_EQ(read_file(aside), bytes);
    ASSERT_EQ(notes.size(), 1);
    EXPECT_TRUE(notes[0].contains(aside) && notes[0].contains(QString::number(read.size()))) << notes[0].toStdString();

    // New events go to a new file; this run's statistics still see the ones read.
    record_at(1);
    EXPECT_EQ(kinds().size(), 1);
    const std::vector<HistoryEvent> again = store->events();
    ASSERT_EQ(again.size(), read.size() + 1);
    EXPECT_GT(again.back().seq, again[read.size() - 1].seq);
    EXPECT_EQ(store->events(QDate(2026, 3, 29)).size(), read.size() + 1);
    EXPECT_EQ(notes.size(), 1);
}

// SQLite files that are not a history this version can write: kept unchanged beside the
// new one.
TEST_F(HistoryFileTest, AnotherProgramsFileOrANewerOneThatRefusesOurRowsIsMovedAsideUnchanged) {
    struct Case {
        const char *what;
        const char *sql;
    };
    for (const Case &c : {
             Case{"another program's events table",
                  "CREATE TABLE events (id INTEGER PRIMARY KEY, what TEXT); INSERT INTO events VALUES (1, 'x')"},
             Case{"another program's file with a version",
                  "CREATE TABLE events (id INTEGER PRIMARY KEY, what TEXT); PRAGMA user_version = 1"},
             Case{"a newer version whose rows need a column this one does not fill",
                  "CREATE TABLE events (seq INTEGER PRIMARY KEY, kind TEXT NOT NULL, at TEXT NOT NULL, seconds "
                  "INTEGER, started TEXT, source TEXT, place TEXT NOT NULL); PRAGMA user_version = 7"},
         }) {
        SCOPED_TRACE(c.what);
        store.reset();
        QDir(folder()).removeRecursively();
        QDir().mkpath(folder());
        notes.clear();
        sqlite3 *db = nullptr;
        ASSERT_EQ(sqlite3_open(QFile::encodeName(path()).constData(), &db), SQLITE_OK);
        ASSERT_EQ(sql_exec(db, c.sql), SQLITE_OK);
        sqlite3_close(db);
        const QByteArray bytes = read_file(path());

        store = make_store();
        record_at(1);
        record_at(2);
        EXPECT_EQ(store->waiting(), 0u);
        const QString aside = path() + ".other-2026-03-29";
        EXPECT_EQ(read_file(aside), bytes);
        EXPECT_EQ(kinds(), (QVariantList{QStringLiteral("pause_on"), QStringLiteral("pause_on")}));
        ASSERT_EQ(notes.size(), 1);
        EXPECT_TRUE(notes[0].contains(aside)) << notes[0].toStdString();
    }
}

TEST_F(HistoryFileTest, OlderFilesAreBroughtForwardAndNewerOnesLeftAsTheyAre) {
    record_at(1);
    store->close();
    // A second step, as a later version would add it: the rows of version 1 stay.
    std::vector<QStringList> steps = history_migrations();
    steps.push_back({QStringLiteral("ALTER TABLE events ADD COLUMN note TEXT"),
                     QStringLiteral("UPDATE events SET note = 'moved'")});
    {
        sqlite3 *db = nullptr;
        ASSERT_EQ(sqlite3_open_v2(QFile::encodeName(path()).constData(), &db, SQLITE_OPEN_READWRITE, nullptr),
                  SQLITE_OK);
        EXPECT_EQ(migrate_history(db, steps, nullptr), MigrationResult::done);
        EXPECT_EQ(migrate_history(db, steps, nullptr), MigrationResult::done); // nothing left to do
        sql_exec(db, "PRAGMA user_version = 99");
        sqlite3_close_v2(db);
    }
    EXPECT_EQ(column(path(), QStringLiteral("SELECT note FROM events")), QVariantList{QStringLiteral("moved")});

    // Version 99, from a newer Trovel: not broken, and still takes our rows.
    record_at(2);
    EXPECT_EQ(store->waiting(), 0u);
    EXPECT_TRUE(notes.isEmpty());
    EXPECT_EQ(column(path(), QStringLiteral("PRAGMA user_version")), QVariantList{99});
    EXPECT_EQ(kinds().size(), 2);
}

// The store in front of the file: its clock and its writer thread.
class HistoryStoreTest : public ::testing::Test {
protected:
    QString path() const { return dir.filePath(QStringLiteral("trovel/history.sqlite")); }
    QTemporaryDir dir;
};

TEST_F(HistoryStoreTest, StampsEventsWithItsClockAndStartsOnlyWhenUsed) {
    HistoryStore store(path());
    QDateTime now = local(8, 0);
    store.set_clock([&] { return now; });
    EXPECT_FALSE(store.started());
    EXPECT_EQ(store.now(), local(8, 0));
    store.record(HistoryEvent::program_start());
    now = local(8, 10);
    HistoryEvent given = HistoryEvent::pause_on();
    given.at = local(7, 0); // a time the caller gave is kept
    store.record(given);
    store.record(HistoryEvent::pause_off());
    EXPECT_FALSE(store.started()) << "the first minute's events are held";
    const std::vector<HistoryEvent> back = store.events();
    EXPECT_TRUE(store.started());
    ASSERT_EQ(back.size(), 3u);
    EXPECT_EQ(back[0].at, local(8, 0));
    EXPECT_EQ(back[1].at, local(7, 0));
    EXPECT_EQ(back[2].at, local(8, 10));
    EXPECT_EQ(store.events(QDate(2026, 3, 31)).size(), 0u) << "only from a date on";
    EXPECT_EQ(store.events(QDate(2026, 3, 29)).size(), 3u);
}

TEST_F(HistoryStoreTest, TheFirstEventsAreWrittenTogetherOnceTheDelayIsOver) {
    HistoryStore store(path());
    store.set_first_write_delay(50);
    store.record(HistoryEvent::program_start());
    store.record(HistoryEvent::pause_on());
    EXPECT_FALSE(QFileInfo::exists(path())) << "nothing written before the delay is over";
    QElapsedTimer waited;
    waited.start();
    while (!store.started() && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_GE(waited.elapsed(), 40);
    ASSERT_TRUE(store.started());
    store.record(HistoryEvent::pause_off()); // goes straight to the writer
    EXPECT_EQ(store.events().size(), 3u);
    EXPECT_EQ(column(path(), QStringLiteral("SELECT count(*) FROM events")), QVariantList{3});
}

TEST_F(HistoryStoreTest, EverythingHandedOverIsWrittenBeforeTheStoreEnds) {
    {
        HistoryStore store(path());
        for (int i = 0; i < 300; ++i)
            store.record(HistoryEvent::rest_completed(i));
    }
    const QVariantList seconds = column(path(), QStringLiteral("SELECT seconds FROM events ORDER BY seq"));
    ASSERT_EQ(seconds.size(), 300);
    for (int i = 0; i < 300; ++i)
        ASSERT_EQ(seconds[i].toInt(), i);
}

TEST_F(HistoryStoreTest, TheCallerNeverWaitsForALock) {
    HistoryStore store(path());
    QStringList notes;
    store.set_note([&](const QString &text) { notes.append(text); });
    store.record(HistoryEvent::program_start());
    ASSERT_EQ(store.waiting(), 0u);
    LockHolder holder(path());
    ASSERT_TRUE(holder.locked);

    QElapsedTimer took;
    took.start();
    store.record(HistoryEvent::pause_on());
    EXPECT_LT(took.elapsed(), HistoryFile::kBusyTimeoutMs) << "the caller waited for the lock";
    EXPECT_EQ(store.waiting(), 1u); // waits for the writer, which waited for the lock
    holder.release();
    store.record(HistoryEvent::pause_off());
    EXPECT_EQ(store.waiting(), 0u);
    EXPECT_EQ(store.events().size(), 3u);
    EXPECT_EQ(notes.size(), 1);
}

} // namespace
} // namespace trovel::test
