#include "import/ImportCommands.h"

#include "data/Connection.h"
#include "data/TeacherStore.h"
#include "import/ExportFile.h"
#include "import/ImportProgress.h"
#include "import/ImportSource.h"
#include "import/RegisterCsv.h"
#include "import/frmImport.h"
#include "ui/DatabaseConnection.h"
#include "ui/Prompter.h"
#include "ui/ScreenRegistry.h"

#include <QDir>
#include <QFileInfo>

namespace {
const QString ExportTitle = QStringLiteral("Export");

ImportSource ReadWithProgress(const QString& path, QWidget* parent)
{
    ImportProgress progress(QStringLiteral("Reading %1...").arg(QFileInfo(path).fileName()), parent);
    return ReadImportFile(path, progress.Report());
}
}

bool ImportTeachers(ScreenRegistry& registry, QWidget* parent)
{
    const QString path = registry.prompter().OpenFile(QStringLiteral("Import teachers"), ImportFileFilter());
    if (path.isEmpty())
        return false;
    ImportSource source = ReadWithProgress(path, parent);
    if (!source.error.isEmpty()) {
        registry.prompter().Report(source.error, QStringLiteral("Import"), MessageIcon::Exclamation);
        return false;
    }
    frmImport preview(registry, std::move(source), parent);
    return preview.IsLoaded() && preview.exec() == QDialog::Accepted;
}

void ExportTeachers(ScreenRegistry& registry)
{
    const QString chosen = registry.prompter().SaveFile(QStringLiteral("Export teachers"),
                                                        QStringLiteral("Register CSV (*.csv)"));
    if (chosen.isEmpty())
        return;
    const QString path = ExportPath(registry.prompter(), chosen);
    if (path.isEmpty())
        return;
    Connection connection;
    if (!OpenDatabaseForScreen(connection, registry))
        return;
    const auto teachers = TeacherStore(connection).RowTexts();
    const QString failure = teachers ? WriteExportFile(path, RegisterCsvFile(*teachers))
                                     : connection.LastError().Text();
    if (!failure.isEmpty()) {
        registry.prompter().Report(
            QStringLiteral("The register could not be exported to %1: %2").arg(QDir::toNativeSeparators(path), failure),
            ExportTitle, MessageIcon::Critical);
        return;
    }
    registry.prompter().Report(
        QStringLiteral("%1 teacher(s) exported to %2.").arg(teachers->size()).arg(QDir::toNativeSeparators(path)),
        ExportTitle, MessageIcon::Information);
}
