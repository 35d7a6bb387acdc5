#pragma once

#include <QList>
#include <QPixmap>
#include <QWidget>

#include <array>

class QLabel;

namespace quillora {

// Small pictures of the pages around the one being edited, joined to it by connector lines,
// so the teacher sees where each choice leads.
inline constexpr QSize kThumbnailSize(96, 72);

// To the right of a choice panel (ImageRight, LineRight): the following page's pictures, one
// per choice of that page.
class FollowingPreview : public QWidget {
    Q_OBJECT
public:
    explicit FollowingPreview(int panel, QWidget *parent = nullptr);

    // Up to three thumbnails; an empty list hides them all. A null pixmap shows a plain
    // placeholder.
    void showThumbnails(const QList<QPixmap> &pictures);
    // A line runs on to the right edge, toward the path frame.
    void setConnectsOnward(bool on);
    int shownCount() const { return m_shown; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::array<QLabel *, 3> m_thumbnails{};
    int m_shown = 0;
    bool m_onward = false;
};

// To the left of the panels: the picture that leads to this page (ImageLeft, LineLeft), or
// the start marker on the first page (ImBeginning).
class PreviousPreview : public QWidget {
    Q_OBJECT
public:
    PreviousPreview(const QString &startMarkerFile, QWidget *parent = nullptr);

    void showPrevious(const QPixmap &picture);
    void showStart();
    bool showsStart() const;
    // The panels the left connectors reach.
    void setTargets(const QList<QWidget *> &panels) { m_targets = panels; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QLabel *m_previous = nullptr;
    QLabel *m_start = nullptr;
    QList<QWidget *> m_targets;
};

} // namespace quillora
