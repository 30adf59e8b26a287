#include "app/AudioExportWindow.h"
#include "app/Dialogs.h"
#include "app/Handlers.h"
#include <QButtonGroup>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

AudioExportWindow::PartsAnswer AudioExportWindow::PartsHook;

namespace {

const QStringList AudioFilters = {
    QStringLiteral("Аудио (*.flac *.mp3 *.ogg *.opus *.wav)"),
    QStringLiteral("FLAC (*.flac)"),
    QStringLiteral("MP3 (*.mp3)"),
    QStringLiteral("Ogg Vorbis (*.ogg)"),
    QStringLiteral("Opus (*.opus)"),
    QStringLiteral("WAV (*.wav)"),
};

using Split = ExportParts::Split;

// The choice of the parts: one file, a file per chapter, a file per so many minutes.
class PartsDialog : public QDialog {
public:
    PartsDialog(QWidget *parent, const QStringList &notices, const ExportParts &proposed)
        : QDialog(parent)
    {
        setObjectName("DlgAudioParts");
        setWindowTitle(QStringLiteral("Сохранить как аудио"));
        auto *layout = new QVBoxLayout(this);
        for (const QString &notice : notices) {
            auto *label = new QLabel(notice, this);
            label->setWordWrap(true);
            layout->addWidget(label);
        }
        auto *choices = new QGridLayout;
        AddChoice(choices, 0, "RbWhole", QStringLiteral("Одним файлом"), Split::Whole);
        AddChoice(choices, 1, "RbChapters", QStringLiteral("По файлу на главу"), Split::Chapters);
        AddChoice(choices, 2, "RbMinutes", QStringLiteral("По файлу на каждые (мин.)"), Split::Minutes);
        minutes = new QSpinBox(this);
        minutes->setObjectName("UdMinutes");
        minutes->setRange(ExportParts::MinMinutes, ExportParts::MaxMinutes);
        minutes->setValue(proposed.minutes);
        choices->addWidget(minutes, 2, 1);
        layout->addLayout(choices);
        group.button(int(proposed.split))->setChecked(true);
        auto *buttons = new QDialogButtonBox(this);
        buttons->addButton(QStringLiteral("Сохранить"), QDialogButtonBox::AcceptRole);
        buttons->addButton(QStringLiteral("Отмена"), QDialogButtonBox::RejectRole);
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        layout->addWidget(buttons);
    }

    ExportParts Chosen() const { return {Split(group.checkedId()), minutes->value()}; }

private:
    void AddChoice(QGridLayout *choices, int row, const char *name, const QString &caption, Split split)
    {
        auto *button = new QRadioButton(caption, this);
        button->setObjectName(name);
        group.addButton(button, int(split));
        choices->addWidget(button, row, 0);
    }

    QButtonGroup group;
    QSpinBox *minutes;
};

// Wide enough for the window manager to show the whole title: it draws it in about the dialog's
// font made bold, between its buttons and the frame.
int WidthForTitle(const QWidget &dialog)
{
    QFont titleFont = dialog.font();
    titleFont.setBold(true);
    const QFontMetrics metrics(titleFont);
    return metrics.horizontalAdvance(dialog.windowTitle()) + 8 * metrics.height();
}

} // namespace

AudioExportWindow::AudioExportWindow(QWidget *window) : window(window)
{
}

AudioExportWindow::~AudioExportWindow()
{
    CloseExportProgress();
}

std::optional<QString> AudioExportWindow::ChooseAudioFile(const QString &folder, const QString &fileName)
{
    return Dialogs::ChooseSaveFile(window, folder, fileName, AudioFilters, QStringLiteral("flac"));
}

std::optional<ExportParts> AudioExportWindow::ChooseExportParts(const QStringList &notices,
                                                                const ExportParts &proposed)
{
    const Dialogs::OnScreen shown;
    if (PartsHook)
        return PartsHook(notices, proposed);
    PartsDialog dialog(window, notices, proposed);
    return dialog.exec() == QDialog::Accepted ? std::optional(dialog.Chosen()) : std::nullopt;
}

void AudioExportWindow::ShowExportProgress(int percent)
{
    if (!progress) {
        progress = new QDialog(window);
        progress->setObjectName("DlgAudioProgress");
        progress->setWindowTitle(QStringLiteral("Сохранить как аудио"));
        progress->setMinimumWidth(WidthForTitle(*progress));
        auto *layout = new QVBoxLayout(progress);
        layout->addWidget(new QLabel(QStringLiteral("Сохранение аудио..."), progress));
        progressBar = new QProgressBar(progress);
        progressBar->setRange(0, 100);
        layout->addWidget(progressBar);
        auto *cancel = new QPushButton(QStringLiteral("Отмена"), progress);
        cancel->setObjectName("BtCancelExport");
        layout->addWidget(cancel, 0, Qt::AlignRight);
        const auto cancelled = [this] {
            if (Cancelled)
                Cancelled();
        };
        OnSignal(cancel, &QPushButton::clicked, progress.data(), "the export's Отмена", cancelled);
        OnSignal(progress.data(), &QDialog::rejected, progress.data(), "the export's Escape", cancelled);
        progress->open();
    }
    progressBar->setValue(percent);
}

void AudioExportWindow::CloseExportProgress()
{
    delete progress.data();
}

void AudioExportWindow::ShowMessage(const QString &message)
{
    Dialogs::ShowMessage(window, message);
}
