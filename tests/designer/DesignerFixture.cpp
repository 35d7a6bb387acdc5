#include "DesignerFixture.h"

#include "designer/TeacherMenu.h"
#include "ui/PictureButton.h"

#include <QImage>
#include <QPushButton>

namespace quillora::test {

DesignerFixture::DesignerFixture()
    : TestWorld(TempAppFolder::InstalledCopy) {
    form = std::make_unique<TeacherForm>(services(), state, scan);
    form->resize(1280, 1024);
    form->show();
    drainEvents();
}

DesignerFixture::~DesignerFixture() {
    form.reset();
    drainEvents();
}

void DesignerFixture::startNewTemplate() {
    form->menu()->button(TeacherMenu::NewTemplate)->click();
    drainEvents();
    form->designer()->rowButton(DesignerWorkspace::PageDetails)->click();
    drainEvents();
}

void DesignerFixture::press(int k, ChoicePanel::Action action) {
    QPushButton *button = panel(k).button(action);
    ASSERT_TRUE(button->isVisible()) << "button hidden on panel " << k;
    button->click();
    drainEvents();
}

void DesignerFixture::choosePicture(int k, const QString &path) {
    fileDialogs.scriptAnswers({path});
    press(k, ChoicePanel::Action::AddPicture);
}

QString DesignerFixture::picture(const QString &name) {
    const QString path = pictures.filePath(name);
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(QColor(200, 120, 40));
    EXPECT_TRUE(image.save(path, "JPG"));
    return path;
}

} // namespace quillora::test
