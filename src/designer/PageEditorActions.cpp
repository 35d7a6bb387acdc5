#include "core/AppFolder.h"
#include "core/services/FileDialogs.h"
#include "core/services/Messages.h"
#include "core/services/SoundPlayer.h"
#include "core/template/WorkingRecordings.h"
#include "designer/PageEditor.h"

#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

namespace quillora {

void PageEditor::refuse(const QString &message) {
    (void)m_services.messages->inform(message);
}

void PageEditor::onAction(int k, ChoicePanel::Action action) {
    using A = ChoicePanel::Action;
    switch (action) {
    case A::AddPicture:
        m_flows.start(addPictureFlow(k));
        break;
    case A::ClearPicture:
        clearPicture(k);
        break;
    case A::PictureInfo:
        showPictureInfo(k);
        break;
    case A::AddSoundEffect:
        m_flows.start(addSoundEffectFlow(k));
        break;
    case A::ClearSoundEffect:
        clearSoundEffect(k);
        break;
    case A::PlaySoundEffect:
        m_flows.start(playSoundEffectFlow(k));
        break;
    case A::InsertBefore:
        insertBefore();
        break;
    case A::InsertAfter:
        insertAfter(k);
        break;
    case A::NextPage:
        goTo(nextPageTarget(m_story, k));
        break;
    case A::PreviousPage:
        goTo(previousPageTarget(m_story));
        break;
    case A::Copy:
        m_clipboard = copyChoice(m_story, k);
        break;
    case A::Paste:
        m_flows.start(pasteFlow(k));
        break;
    }
}

bool PageEditor::checkPagePictures() {
    const int layout = std::max(page().layout, kLayoutSimple);
    for (int k = 1; k <= layout; ++k) {
        if (!panel(k)->pictureName().isEmpty())
            continue;
        Q_EMIT pageDetailsNeeded();
        if (layout == kLayoutSimple)
            refuse(QStringLiteral("A Picture is required\n\nIf you did not intend to add this "
                                  "page, click on the \"Delete this Page\" button above"));
        else
            refuse(QStringLiteral("A Picture is required for choice number %1").arg(k));
        return true;
    }
    return false;
}

void PageEditor::onTextEdited(int k) {
    ChoicePanel *p = panel(k);
    const QString typed = p->text();
    const QString decoded = decodeLineBreaks(typed);
    if (decoded != typed) {
        QPlainTextEdit *box = p->textBox();
        const int cursor = box->textCursor().position();
        p->setText(decoded);
        QTextCursor moved = box->textCursor();
        moved.setPosition(std::min(cursor, static_cast<int>(box->toPlainText().size())));
        box->setTextCursor(moved);
    }
    page().choice(k).text = p->text();
}

void PageEditor::changeLayout(int k) {
    if (Refusal refused = layoutChangeRefusal(m_story, k)) {
        refuse(*refused);
        return;
    }
    page().layout = k;
    showPageLayout(k);
}

void PageEditor::insertAfter(int k) {
    if (checkPagePictures())
        return;
    if (Refusal refused = insertPageAfter(m_story, k)) {
        refuse(*refused);
        return;
    }
    clearPageEditor();
    showPageLayout(kLayoutSimple);
}

void PageEditor::insertBefore() {
    if (checkPagePictures())
        return;
    if (Refusal refused = insertPageBefore(m_story)) {
        refuse(*refused);
        return;
    }
    clearPageEditor();
    showPageLayout(kLayoutSimple);
}

void PageEditor::goTo(int pageId) {
    if (pageId == 0 || checkPagePictures())
        return;
    showPage(pageId);
}

void PageEditor::clearPicture(int k) {
    // The stored name stays until a new picture replaces it, but the choice now counts as
    // having none, so the teacher cannot leave the page without choosing one.
    panel(k)->setPicture({}, {});
}

void PageEditor::showPictureInfo(int k) {
    const QString name = panel(k)->pictureName();
    refuse(name.isEmpty() ? QStringLiteral("No Picture") : name);
}

void PageEditor::clearSoundEffect(int k) {
    panel(k)->setSoundEffectName({});
    page().choice(k).soundEffect.clear();
}

QCoro::Task<> PageEditor::deletePageFlow() {
    if (Refusal refused = deletePageRefusal(m_story)) {
        refuse(*refused);
        co_return;
    }
    // Each await stands on a line of its own: GCC 12 mishandles an await inside a condition.
    const bool sure = co_await m_flows(
        m_services.messages->askOkCancel(QString::fromLatin1(pageMessages::kConfirmDelete)));
    if (!sure)
        co_return;
    const DeletedPage gone = deletePage(m_story);
    deletePageTempRecordings(*m_services.folder, m_story.storyId, gone.pageId);
    for (int k = 1; k <= kChoicesPerPage; ++k)
        panel(k)->setPicture({}, {});
    showPage(m_story.currentPageId);
}

QCoro::Task<> PageEditor::pasteFlow(int k) {
    if (pasteNeedsConsent(m_story, k)) {
        const bool overlay = co_await m_flows(
            m_services.messages->askYesNo(QString::fromLatin1(pageMessages::kConfirmOverlay)));
        if (!overlay)
            co_return;
    }
    (void)pasteChoice(m_story, k, m_clipboard, *m_services.folder, *m_services.messages);
    m_loading = true;
    showChoicePicture(k);
    panel(k)->setText(page().choice(k).text);
    panel(k)->setSoundEffectName(page().choice(k).soundEffect);
    m_loading = false;
}

QCoro::Task<> PageEditor::addPictureFlow(int k) {
    FileDialogRequest request;
    request.title = QStringLiteral("Update Picture");
    request.filter = QStringLiteral("pictures or Movies (*.bmp *.jpg)");
    request.startFolder =
        m_lastPictureFolder.isEmpty() ? m_services.folder->root() : m_lastPictureFolder;
    const QString chosen = co_await m_flows(m_services.fileDialogs->openFile(request));
    if (chosen.isEmpty())
        co_return;
    if (!QFileInfo(chosen).isFile()) {
        refuse(QStringLiteral("Picture Not Found"));
        co_return;
    }
    const QString ending = chosen.right(4).toLower();
    if (ending != QLatin1String(".bmp") && ending != QLatin1String(".jpg")) {
        refuse(chosen + QStringLiteral(" is not a valid picture file. \n\nValid pictures end "
                                       "with .jpg or .bmp"));
        co_return;
    }
    if (!ThumbnailCache::isReadablePicture(chosen)) {
        refuse(QStringLiteral("%1 could not be opened as a picture. The file may be damaged, or "
                              "it may be another kind of file with a picture's name.\n\nPlease "
                              "choose another picture.")
                   .arg(QDir::toNativeSeparators(chosen)));
        co_return;
    }
    page().choice(k).picture = chosen;
    panel(k)->setPicture(m_thumbnails.picture(chosen, panel(k)->pictureBox()), chosen);
    m_lastPictureFolder = directoryPart(chosen);
    Q_EMIT templateEdited();
}

QCoro::Task<> PageEditor::addSoundEffectFlow(int k) {
    FileDialogRequest request;
    request.title = QStringLiteral("Add a Sound Effect");
    request.filter = QStringLiteral("Sound Files (sound_effect*.wav)");
    request.startFolder = m_services.folder->root();
    const QString chosen = co_await m_flows(m_services.fileDialogs->openFile(request));
    if (chosen.isEmpty())
        co_return;
    page().choice(k).soundEffect = chosen;
    panel(k)->setSoundEffectName(chosen);
}

QCoro::Task<> PageEditor::playSoundEffectFlow(int k) {
    QPushButton *play = panel(k)->button(ChoicePanel::Action::PlaySoundEffect);
    // The teacher hears the effect to its end before playing it again.
    play->setEnabled(false);
    const QString name = m_services.folder->resolve(panel(k)->soundEffectName());
    (void)co_await m_flows(m_services.sound->play(name));
    play->setEnabled(true);
}

} // namespace quillora
