// Opening a project: an ordinary project file, and a hand-made worst case whose query of 50 MB
// stands on one line in front of every other key.
#include "BenchSize.h"
#include "project/clProjekt.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

const qsizetype kLongQuery = qsizetype(benchSize(50 * 1024 * 1024));

// A project folder with the database file, the contacts table file and a project file whose
// "SQLStringADODaten" holds queryLength characters.
class ProjectFolder
{
public:
    explicit ProjectFolder(qsizetype queryLength)
    {
        const QString database = m_dir.filePath(QStringLiteral("Firma.dbf"));
        touch(database, "x");
        touch(project::clProjekt::TableFilePath(m_dir.path(), QStringLiteral("Kunden"), QStringLiteral("Kontakte")),
              "x");
        QByteArray text = "[Options]\r\nSQLStringADODaten=SELECT " + QByteArray(queryLength, 'x') + "\r\n";
        text += "ProjectName=Kunden\r\nACTDatabaseName=" + QFile::encodeName(database) + "\r\nACTDatabaseUser=Anna\r\n";
        for (const QString &kind : project::clProjekt::TableKinds()) {
            const QByteArray k = kind.toLatin1();
            text += "DataDate" + k + "=09.12.2026 14:03:05\r\nSyncFieldName" + k +
                    "=ACTFieldID|40\r\nUniqueIDFieldName" + k + "=ACTFieldID|1\r\n";
        }
        text += "ConnectionStringADODaten=Driver=SQLite3;Database=/tmp/x.db\r\n";
        m_file = m_dir.filePath(QStringLiteral("Kunden.dlx"));
        touch(m_file, text);
    }
    QString file() const { return m_file; }

private:
    static void touch(const QString &path, const QByteArray &bytes)
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            std::abort();
    }

    QTemporaryDir m_dir;
    QString m_file;
};

void openProject(benchmark::State &state, qsizetype queryLength)
{
    const ProjectFolder folder(queryLength);
    for (auto _ : state) {
        project::clProjekt projekt;
        if (!projekt.OpenProjekt(folder.file()) || projekt.FOXADODaten().SQLString().size() != queryLength + 7) {
            state.SkipWithError("the project did not open whole");
            break;
        }
    }
}

void BM_OpenProjectOrdinary(benchmark::State &state)
{
    openProject(state, 200);
}
BENCHMARK(BM_OpenProjectOrdinary)->Unit(benchmark::kMillisecond);

void BM_OpenProject50MBOnOneLine(benchmark::State &state)
{
    openProject(state, kLongQuery);
}
BENCHMARK(BM_OpenProject50MBOnOneLine)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace
