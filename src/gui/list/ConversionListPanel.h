#pragma once

#include "core/list/ConversionList.h"
#include "core/settings/AppContext.h"

#include "core/list/FileIntake.h"
#include "core/list/TrackIntake.h"

#include <QElapsedTimer>
#include <QPixmap>
#include <QSet>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class ConversionListModel;
class QAbstractItemModel;
class QMenu;
class QProgressBar;

namespace Ui {
class ConversionListPanel;
}

// The conversion list: the files to convert with their probed facts, checked or not.
class ConversionListPanel : public QWidget {
    Q_OBJECT
public:
    explicit ConversionListPanel(AppContext& context, QWidget* parent = nullptr);
    ~ConversionListPanel() override;

    [[nodiscard]] int rowCount() const;
    // The selected row, -1 when none is.
    [[nodiscard]] int selectedRow() const;
    void selectRow(int row);
    [[nodiscard]] const ConversionRow& row(int row) const;
    [[nodiscard]] std::vector<int> checkedRows() const;
    [[nodiscard]] std::optional<QString> selectedFullName() const;
    // The rows as a model, for those who follow rows leaving or changing.
    [[nodiscard]] const QAbstractItemModel& rowModel() const;

    // The menu shown on a right click in the list.
    void setPopupMenu(QMenu* menu);
    // Loads the picture shown while the list is empty from the program folder; a missing one is reported.
    void loadDragPicture();
    [[nodiscard]] const QPixmap& dragPicture() const;

    // Adds files through addFile, one after the other, in the given order; folders bring the audio and video files
    // inside them. The window repaints between files and shows how far it is when many come in. Names given while
    // files are still coming in are added after them.
    void addFiles(const QStringList& names);
    // Probes one file and appends its row, unless it is refused; a cue sheet, or a file holding tracks of its own,
    // appends a row for each of its tracks instead.
    void addFile(const QString& fullName);
    // While a batch runs beside the list, addFiles returns at once and the files come in a few at a time between
    // other events, so that the window answers at once; while `converting` says the batch is converting (not
    // paused), with rests between the slices, so that the batch keeps its pace. An empty function ends it: files
    // still waiting go on coming in slices, without the rests.
    void addBesideBatch(std::function<bool()> converting);
    // True while files given to addFiles are still waiting to come in.
    [[nodiscard]] bool addingFiles() const { return adding_ || !waiting_.isEmpty(); }

public slots:
    void chooseAndAddFiles();
    void removeSelectedRow();
    void removeAllRows();

signals:
    void rowDoubleClicked(int row);

private:
    void fitShortColumnsToRows(int first, int last);
    void fitFileNameColumn();
    void showProgress(int done, int total);
    // Lets the window repaint and show the progress; input waits, so no command runs in the middle of an add.
    void keepWindowAlive(int done, int total);
    [[nodiscard]] int restBeforeSlice() const;
    void addSliceSoon(int restMs);
    void addSlice();
    void abandonAdding();

    std::unique_ptr<Ui::ConversionListPanel> ui;
    AppContext& context_;
    QStringList waiting_;
    bool adding_ = false;
    bool inBackground_ = false;
    std::function<bool()> batchConverting_;
    bool sliceScheduled_ = false;
    int addedInBackground_ = 0; // of the files waiting, for the progress bar
    QElapsedTimer sinceRepaint_;
    QProgressBar* progress_ = nullptr;
    ConversionListModel* model_ = nullptr;
    FileIntake intake_;
    TrackIntake trackIntake_;
    QMenu* popupMenu_ = nullptr;
    bool fittingColumns_ = false;
    QSet<int> userSizedColumns_;
    // The width the longest file name listed so far needs.
    int fileNameNeed_ = 0;
};
