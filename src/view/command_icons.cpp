#include "view/command_icons.h"

#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <string_view>

#include "app/command_registry.h"
#include "view/qt_text.h"

namespace meridax {

namespace {

struct IconChoice {
  const char* command;
  const char* theme;  // a freedesktop icon name
  QStyle::StandardPixmap fallback;
};

constexpr QStyle::StandardPixmap kNone = QStyle::SP_CustomBase;

constexpr IconChoice kIcons[] = {
    {"LoadSGF", "document-open", QStyle::SP_DialogOpenButton},
    {"CmSave", "document-save", QStyle::SP_DialogSaveButton},
    {"SaveAs", "document-save-as", QStyle::SP_DialogSaveButton},
    {"CollImport", "document-import", QStyle::SP_FileDialogNewFolder},
    {"CmCollAddSGF", "edit-paste", kNone},
    {"CmCollEmpty", "document-new", QStyle::SP_FileIcon},
    {"CmCollDelete", "edit-delete", QStyle::SP_TrashIcon},
    {"CmNewGame", "list-add", kNone},
    {"CmUndo", "edit-undo", QStyle::SP_ArrowBack},
    {"CmRedo", "edit-redo", QStyle::SP_ArrowForward},
    {"CmNewGameOfType", "window-new", kNone},
    {"CmViewFile", "text-x-generic", QStyle::SP_FileDialogContentsView},
    {"CmPreviousGame", "go-previous", QStyle::SP_ArrowLeft},
    {"CmNextGame", "go-next", QStyle::SP_ArrowRight},
    {"CmFirstGame", "go-first", QStyle::SP_MediaSkipBackward},
    {"CmLastGame", "go-last", QStyle::SP_MediaSkipForward},
    {"CmPreviousMove", "go-up", QStyle::SP_ArrowUp},
    {"CmNextMove", "go-down", QStyle::SP_ArrowDown},
    {"CmStartPosition", "go-top", QStyle::SP_MediaSeekBackward},
    {"CmEndPosition", "go-bottom", QStyle::SP_MediaSeekForward},
    {"CmGoToPrimary", "go-jump", kNone},
    {"CmFindComment", "edit-find", kNone},
    {"CmCompose", "document-edit", kNone},
    {"CmRotateBoard", "object-rotate-right", QStyle::SP_BrowserReload},
    {"CmFlipBoard", "object-flip-horizontal", kNone},
    {"CmBookmark", "bookmark-new", kNone},
    {"CmSaveRTF", "x-office-document", kNone},
    {"CmGIF", "image-x-generic", kNone},
    {"CmCopyBoardImage", "edit-copy", kNone},
    {"GetSGF", "edit-copy", kNone},
    {"CmHelp", "help-contents", QStyle::SP_DialogHelpButton},
    {"CmWebPage", "applications-internet", kNone},
};

// A badge with up to two initials of the command's short tip.
QIcon badge(const FrameCommand& command) {
  std::string tip = tipShort(command);
  if (tip.empty()) tip = command.name;
  QString initials;
  bool wordStart = true;
  for (QChar c : toQt(tip)) {
    if (c.isLetterOrNumber() && wordStart && initials.size() < 2) initials += c.toUpper();
    wordStart = !c.isLetterOrNumber();
  }
  QPixmap pixmap(32, 32);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setBrush(QColor(0x33, 0x55, 0x88));
  painter.setPen(Qt::NoPen);
  painter.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
  QFont font(mappedFace("Arial"));
  font.setPixelSize(14);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(Qt::white);
  painter.drawText(pixmap.rect(), Qt::AlignCenter, initials);
  return QIcon(pixmap);
}

}  // namespace

QIcon commandIcon(const FrameCommand& command, QStyle* style) {
  for (const IconChoice& choice : kIcons) {
    if (std::string_view(choice.command) != command.name) continue;
    const QIcon fallback = choice.fallback != kNone && style != nullptr ? style->standardIcon(choice.fallback)
                                                                         : badge(command);
    return QIcon::fromTheme(QString::fromLatin1(choice.theme), fallback);
  }
  return badge(command);
}

}  // namespace meridax
