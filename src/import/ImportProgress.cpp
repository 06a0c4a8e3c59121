#include "import/ImportProgress.h"

#include <QElapsedTimer>
#include <QProgressDialog>

class ImportProgress::Dialog : public QProgressDialog {
public:
    Dialog(const QString& label, QWidget* parent)
        : QProgressDialog(label, QStringLiteral("Cancel"), 0, 100, parent)
    {
        setObjectName(QStringLiteral("prgImport"));
        setWindowTitle(QStringLiteral("Import"));
        setWindowModality(Qt::WindowModal);
        setMinimumDuration(400);
        setAutoReset(false);
        setValue(0);
        sinceUpdate.start();
    }

    // Updating the dialog lets the event loop run, so it is done a few times a second, not per row.
    bool Update(int done, int total)
    {
        if (done < total && sinceUpdate.elapsed() < 50)
            return !wasCanceled();
        sinceUpdate.restart();
        setMaximum(total);
        setValue(done);
        return !wasCanceled();
    }

    QElapsedTimer sinceUpdate;
};

ImportProgress::ImportProgress(const QString& label, QWidget* parent)
    : dialog_(new Dialog(label, parent))
    , report_([this](int done, int total) { return dialog_ && dialog_->Update(done, total); })
{
}

ImportProgress::~ImportProgress()
{
    delete dialog_;
}
