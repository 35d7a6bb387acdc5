#pragma once

#include "TestWorld.h"
#include "designer/ChoicePanel.h"
#include "designer/DesignerWorkspace.h"
#include "designer/PageEditor.h"
#include "designer/TeacherForm.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <memory>

namespace quillora::test {

// The real teacher form, offscreen on a copy of the installed folder, with scripted dialogs.
// Pictures for the pages are written into a folder of their own, as a teacher's would be.
class DesignerFixture : public ::testing::Test, public TestWorld {
protected:
    DesignerFixture();
    ~DesignerFixture() override;

    // The menu's New Template button, then the Page Details section.
    void startNewTemplate();
    PageEditor &editor() const { return *form->designer()->pageEditor(); }
    ChoicePanel &panel(int k) const { return *editor().panel(k); }
    void press(int k, ChoicePanel::Action action);
    // Chooses the file in the picture dialog of panel k.
    void choosePicture(int k, const QString &path);
    // A small JPEG in the pictures folder.
    QString picture(const QString &name);
    TemplatePage &current() { return state.story.page(state.story.currentPageIndex); }

    QTemporaryDir pictures;
    std::unique_ptr<TeacherForm> form;
};

} // namespace quillora::test
