// Building the credits window.
#include "shell/windows/credits_window.h"

#include <QFont>
#include <QLabel>
#include <QRect>
#include <QString>
#include <Qt>
#include <string_view>

#include "core/input.h"
#include "core/model/windows.h"
#include "core/rules/menus.h"
#include "shell/windows/colours.h"
#include "ui/accessibility.h"
#include "ui/fonts.h"
#include "ui/frame.h"
#include "ui/labels.h"
#include "ui/picture_box.h"
#include "ui/picture_button.h"
#include "ui/pictures.h"
#include "ui/twips.h"

namespace quimbo {

// One person credited: a captioned frame with a name and an e-mail address.
struct Credit {
  const char* frame;
  const char* caption;
  int top;
  const char* nameLabel;
  const char* name;
  int nameLeft;
  const char* addressLabel;
  const char* address;
  QRect addressBox;  // twips, in the frame
};

namespace {

using ui::pixelRect;

const Credit kCredits[] = {
    {"Frame1", " Estrategia y testeo ", 120, "Label1", "Marina Alcázar", 420, "Label5",
     "marina@vandrel.example", {680, 440, 1725, 195}},
    {"Frame3", " Programación ", 960, "Label3", "Tomás Iriarte", 430, "Label6",
     "tomas@vandrel.example", {650, 440, 1815, 195}},
};

QString dedication() {
  return QString::fromUtf8("Edición especial dedicada a nuestros amigos de ") +
         QString::fromUtf8(kPartnerSiteName.data(), kPartnerSiteName.size());
}

}  // namespace

CreditsWindow::CreditsWindow(Dispatcher& dispatcher, QWidget* owner)
    : GameWindow(dispatcher, ui::pixelSize(4440, 3675), Chrome::Resizable, kInfoPanelColour,
                 owner) {
  setObjectName("Form7");
  setWindowTitle(QString::fromUtf8("Quimbo: créditos"));

  auto* tallBanner = new ui::PictureBox(ui::Picture("credits_banner_tall"), client());
  tallBanner->setObjectName("Picture1");
  tallBanner->setGeometry(pixelRect(120, 120, 940, 3440));

  for (const Credit& credit : kCredits) addCredit(credit);

  auto* frame2 = ui::addFrame(client(), "Frame2", {1200, 1800, 3130, 800});
  auto* label4 =
      ui::addLabel(frame2, {0, 210, 3165, 435}, dedication(), {ui::gameFont(8.25, {.bold = true})});
  label4->setObjectName("Label4");
  label4->setWordWrap(true);

  auto* accept = new ui::PictureButton(kAcceptFace, client());
  accept->setObjectName("Command1");
  accept->setText("Aceptar");
  accept->setFont(ui::gameFont(8.25));
  accept->setGeometry(pixelRect(1200, 2655, 3120, 255));
  connect(accept, &ui::PictureButton::clicked, this, [this] { send({Action::CloseCredits}); });
  accept_ = accept;

  auto* wideBanner = new ui::PictureBox(ui::Picture("credits_banner_wide"), client());
  wideBanner->setObjectName("Picture2");
  wideBanner->setGeometry(pixelRect(1200, 3040, 3120, 480));

  QFont tiny = ui::gameFont(8.25);
  tiny.setPixelSize(5);
  auto* label2 = ui::addLabel(client(), {1080, 3600, 375, 135}, dedication(), {tiny});
  label2->setObjectName("Label2");
  ui::markDecorative(label2);  // a screen reader has heard the dedication once already
}

void CreditsWindow::addCredit(const Credit& credit) {
  auto* frame = ui::addFrame(client(), credit.frame, {1200, credit.top, 3130, 800},
                             QString::fromUtf8(credit.caption));
  frame->setFont(ui::gameFont(8.25));
  ui::addLabel(frame, {credit.nameLeft, 240, 2295, 255}, QString::fromUtf8(credit.name),
               {ui::gameFont(9.75, {.bold = true})})
      ->setObjectName(credit.nameLabel);
  ui::addLabel(frame, credit.addressBox, credit.address, {ui::gameFont(7.5), kAddressColour})
      ->setObjectName(credit.addressLabel);
}

void CreditsWindow::refresh(const Game& game) {
  if (!game.credits.visible) {
    hideToOwner();
  } else if (!isVisible()) {
    showCentred();
    bringToFront();
  }
}

void CreditsWindow::bringToFront() {
  if (!isVisible()) return;
  raise();
  activateWindow();
  accept_->setFocus();
}

}  // namespace quimbo
