#include "ui/monitor/TMonitorEditForm.h"

#include "core/base/TextNumbers.h"
#include "core/monitor/MonitorFile.h"
#include "core/monitor/MonitorLooks.h"
#include "ui/widgets/DialogParts.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/QtText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace vorbix::ui {

namespace {

constexpr int kSwatchWidth = 80;
constexpr int kSwatchHeight = 14;

// A colour entry: the swatch filled, framed in black, no text.
QIcon swatch(int colourCode)
{
    QPixmap pixmap(kSwatchWidth, kSwatchHeight);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.setBrush(QColor::fromRgb(monitor::coloursOf(colourCode).swatch));
    painter.drawRect(1, 1, kSwatchWidth - 3, kSwatchHeight - 3);
    return QIcon(pixmap);
}

QString pictureFilter()
{
    return QStringLiteral("All supported (*.jpg *.jpeg *.bmp *.ico *.png);;JPEG files (*.jpg *.jpeg);;"
                          "Bitmaps (*.bmp);;Icons (*.ico);;All files (*)");
}

} // namespace

TMonitorEditForm::TMonitorEditForm(const PopisType& lang, QWidget* parent) : QDialog(parent), m_lang(lang)
{
    setObjectName(QStringLiteral("TMonitorEditForm"));
    setModal(true);
    build();
}

void TMonitorEditForm::build()
{
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    auto addRow = [grid](int row, QLabel*& label, const char* labelName, QWidget* field) {
        label = named(new QLabel, labelName);
        label->setBuddy(field);
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1, 1, 3);
    };
    m_textEdit = named(new QLineEdit, "TextEdit");
    addRow(0, m_textLabel, "TextLabel", m_textEdit);

    m_colorCombo = named(new QComboBox, "ColorCombo");
    m_colorCombo->setIconSize(QSize(kSwatchWidth, kSwatchHeight));
    for (int code = 0; code < monitor::kColourCount; ++code) {
        m_colorCombo->addItem(swatch(code), QString());
    }
    addRow(1, m_colorLabel, "ColorLabel", m_colorCombo);

    m_sizeCombo = named(new QComboBox, "SizeCombo");
    m_sizeCombo->setEditable(true);
    m_sizeCombo->setInsertPolicy(QComboBox::NoInsert);
    for (int size = 8; size <= 24; size += 2) {
        m_sizeCombo->addItem(QString::number(size));
    }
    addRow(2, m_sizeLabel, "SizeLabel", m_sizeCombo);
    m_blinkCheck = named(new QCheckBox, "BlinkCheck");
    grid->addWidget(m_blinkCheck, 3, 1, 1, 3);

    m_soundCombo = named(new QComboBox, "SoundCombo");
    addRow(4, m_soundLabel, "SoundLabel", m_soundCombo);
    m_soundFileLabel = named(new QLabel, "SoundFileLabel");
    m_soundFileEdit = named(new QLineEdit, "SoundFileEdit");
    m_soundFileLabel->setBuddy(m_soundFileEdit);
    m_openSoundButton = named(new QPushButton, "OpenSoundButton");
    m_playButton = named(new QPushButton, "PlayButton");
    grid->addWidget(m_soundFileLabel, 5, 0);
    grid->addWidget(m_soundFileEdit, 5, 1);
    grid->addWidget(m_openSoundButton, 5, 2);
    grid->addWidget(m_playButton, 5, 3);

    m_activeCheck = named(new QCheckBox, "ActiveCheck");
    m_windowCheck = named(new QCheckBox, "WindowCheck");
    grid->addWidget(m_activeCheck, 6, 1, 1, 3);
    grid->addWidget(m_windowCheck, 7, 1, 1, 3);

    m_pictureLabel = named(new QLabel, "PictureLabel");
    m_pictureEdit = named(new QLineEdit, "PictureEdit");
    m_pictureLabel->setBuddy(m_pictureEdit);
    m_openPictureButton = named(new QPushButton, "OpenPictureButton");
    grid->addWidget(m_pictureLabel, 8, 0);
    grid->addWidget(m_pictureEdit, 8, 1, 1, 2);
    grid->addWidget(m_openPictureButton, 8, 3);
    m_pictureSizeLabel = named(new QLabel, "PictureSizeLabel");
    grid->addWidget(m_pictureSizeLabel, 9, 1, 1, 3);
    m_preview = named(new QLabel, "PicturePreview");
    m_preview->setFixedSize(180, 100);
    m_preview->setAlignment(Qt::AlignCenter);
    m_preview->setFrameShape(QFrame::StyledPanel);
    grid->addWidget(m_preview, 10, 1, 1, 3, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);

    const OkCancelButtons buttons = addOkCancel(this);
    buttons.cancel->setObjectName(QStringLiteral("StornoButton"));
    layout->addWidget(buttons.box);
    connect(buttons.ok, &QPushButton::clicked, this, &TMonitorEditForm::OKButtonClick);
    enterPresses(m_sizeCombo, buttons.ok);

    connect(m_soundCombo, &QComboBox::currentIndexChanged, this, &TMonitorEditForm::SoundComboChange);
    connect(m_colorCombo, &QComboBox::currentIndexChanged, this, &TMonitorEditForm::SoundComboChange);
    connect(m_windowCheck, &QCheckBox::toggled, this, &TMonitorEditForm::WindowCheckClick);
    connect(m_openSoundButton, &QPushButton::clicked, this, &TMonitorEditForm::OpenSoundButtonClick);
    connect(m_playButton, &QPushButton::clicked, this, &TMonitorEditForm::PlayButtonClick);
    connect(m_openPictureButton, &QPushButton::clicked, this, &TMonitorEditForm::OpenPictureButtonClick);
    connect(m_pictureEdit, &QLineEdit::textChanged, this, [this](const QString& path) {
        const QPixmap picture(path);
        m_preview->setPixmap(picture.isNull()
                                 ? QPixmap()
                                 : picture.scaled(m_preview->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    });
}

void TMonitorEditForm::applyTexts()
{
    const auto t = [this](int n) { return fromCp(LangText(m_lang, n)); };
    setWindowTitle(t(lang::kMonitorMessageCaption));
    m_textLabel->setText(t(lang::kMonitorText));
    m_colorLabel->setText(t(lang::kMonitorColour));
    m_blinkCheck->setText(t(lang::kMonitorBlink));
    m_soundLabel->setText(t(lang::kMonitorSound));
    m_soundFileLabel->setText(t(lang::kMonitorSoundFile));
    m_sizeLabel->setText(t(lang::kMonitorSize));
    m_pictureLabel->setText(t(lang::kMonitorPicture));
    m_activeCheck->setText(t(lang::kMonitorActivateApp));
    m_windowCheck->setText(t(lang::kMonitorShowWindow));
    m_pictureSizeLabel->setText(t(lang::kMonitorPictureSize));
    m_openSoundButton->setText(t(lang::kMonitorOpen));
    m_openPictureButton->setText(t(lang::kMonitorOpen));
    m_playButton->setText(t(lang::kMonitorPlay));
    // Sound codes 0..6: none, the four beeps, the permanent alarm, the own file.
    const QStringList sounds = {QStringLiteral("-"),          t(lang::kSoundShortBeep),
                                t(lang::kSoundShortBeep + 1), t(lang::kSoundShortBeep + 2),
                                t(lang::kSoundShortBeep + 3), t(lang::kSoundPermanentAlarm),
                                t(lang::kSoundOwnFile)};
    const QSignalBlocker block(m_soundCombo);
    m_soundCombo->clear();
    m_soundCombo->addItems(sounds);
}

void TMonitorEditForm::FormShow(const monitor::MessageValues& values)
{
    applyTexts();
    m_shown = values;
    {
        const QSignalBlocker blockColour(m_colorCombo);
        const QSignalBlocker blockSound(m_soundCombo);
        const QSignalBlocker blockWindow(m_windowCheck);
        m_textEdit->setText(fromCp(values.Text));
        m_colorCombo->setCurrentIndex(values.Colour >= 0 && values.Colour < monitor::kColourCount ? values.Colour : -1);
        m_sizeCombo->setEditText(QString::number(values.Size));
        m_soundCombo->setCurrentIndex(values.Sound >= 0 && values.Sound < monitor::kSoundCount ? values.Sound : -1);
        m_soundFileEdit->setText(fromCp(values.SoundFile));
        m_pictureEdit->setText(fromCp(values.Picture));
        m_blinkCheck->setChecked(values.Blink);
        m_activeCheck->setChecked(values.ActivateApp);
        m_windowCheck->setChecked(values.ShowWindow);
    }
    SoundComboChange();
    WindowCheckClick();
    m_textEdit->setFocus();
}

bool TMonitorEditForm::edit(monitor::MessageValues& values)
{
    FormShow(values);
    if (exec() != QDialog::Accepted) {
        return false;
    }
    values = m_accepted;
    return true;
}

void TMonitorEditForm::SoundComboChange()
{
    const bool ownFile = m_soundCombo->currentIndex() == monitor::kOwnSoundFile;
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_soundFileEdit, m_soundFileLabel, m_openSoundButton, m_playButton}) {
        w->setEnabled(ownFile);
    }
}

void TMonitorEditForm::WindowCheckClick()
{
    const bool window = m_windowCheck->isChecked();
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_pictureEdit, m_pictureLabel, m_openPictureButton, m_pictureSizeLabel}) {
        w->setEnabled(window);
    }
    // A pop-up window brings the program to the front; without it the opening value returns.
    m_activeCheck->setChecked(window || m_shown.ActivateApp);
    m_activeCheck->setEnabled(!window);
}

void TMonitorEditForm::OpenSoundButtonClick()
{
    const QString file = Dialogs::openFileName(this, QStringLiteral("Sound files (*.wav)"), m_soundFileEdit->text());
    if (!file.isEmpty()) {
        m_soundFileEdit->setText(file);
    }
}

void TMonitorEditForm::PlayButtonClick()
{
    const QString file = m_soundFileEdit->text();
    if (playSound && !file.isEmpty() && QFileInfo(file).isFile()) {
        playSound(monitor::kOwnSoundFile, file);
    }
}

void TMonitorEditForm::OpenPictureButtonClick()
{
    const QString file = Dialogs::openFileName(this, pictureFilter(), m_pictureEdit->text());
    if (!file.isEmpty()) {
        m_pictureEdit->setText(file);
    }
}

void TMonitorEditForm::OKButtonClick()
{
    monitor::MessageValues v;
    v.Text = toCp(m_textEdit->text());
    v.SoundFile = toCp(m_soundFileEdit->text());
    v.Picture = toCp(m_pictureEdit->text());
    for (QLineEdit* field : {m_textEdit, m_soundFileEdit, m_pictureEdit}) {
        if (monitor::hasFieldMark(toCp(field->text()))) {
            Dialogs::error(this, QString::fromLatin1(monitor::HashInMonitorField));
            field->setFocus();
            return;
        }
    }
    v.Colour = std::max(m_colorCombo->currentIndex(), 0);
    bool number = false;
    const int size = m_sizeCombo->currentText().trimmed().toInt(&number);
    v.Size = number && size >= 4 ? size : 8;
    v.Sound = std::max(m_soundCombo->currentIndex(), 0);
    v.Blink = m_blinkCheck->isChecked();
    v.ActivateApp = m_activeCheck->isChecked();
    v.ShowWindow = m_windowCheck->isChecked();
    m_accepted = v;
    accept();
}

} // namespace vorbix::ui
