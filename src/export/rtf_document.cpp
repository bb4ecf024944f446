#include "export/rtf_document.h"

#include "export/gif_file.h"
#include "export/rtf_escape.h"
#include "model/character_set.h"
#include "model/text_format.h"

namespace meridax {
namespace {

std::string documentHead(std::uint32_t variationsColour) {
  const std::string colours = formatText("\\red%u\\green%u\\blue%u;", variationsColour & 0xFF,
                                         (variationsColour >> 8) & 0xFF, (variationsColour >> 16) & 0xFF);
  return std::string("{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fswiss Microsoft Sans Serif;}"
                     "{\\f1\\froman\\fcharset2 Symbol;}{\\f2\\fswiss\\fprq2 Arial;}{\\f3\\froman Times New Roman;}"
                     "{\\f4\\fmodern Courier New;}}{\\colortbl\\red0\\green0\\blue0;\\red0\\green0\\blue68;") +
         colours + "}\\deflang2057\\pard\\cf0";
}

std::string pageSetup() {
  return formatText("\r\n\\paperw%d\\paperh%d\\margl%d\\margr%d\\margt%d\\margb%d", kPaperWidth, kPaperHeight,
                    kPageMargin, kPageMargin, kPageMargin, kPageMargin);
}

// A text of the game, in the game's character set, as RTF.
std::string gameText(const SGridFrame& game, const std::string& bytes) { return rtfEscape(gameTextToUtf8(game, bytes)); }

std::vector<std::string> commentLines(const std::string& text) {
  std::vector<std::string> lines(1);
  for (const char c : text) {
    if (c == '\r') continue;
    if (c == '\n') lines.emplace_back();
    else lines.back() += c;
  }
  if (lines.back().empty() && lines.size() > 1) lines.pop_back();
  return lines;
}

std::string playerText(const SGridFrame& game, const std::string& name, const std::string& rank) {
  std::string text = name.empty() ? "(null)" : gameText(game, name);
  if (!rank.empty()) text += "  ( " + gameText(game, rank) + " )";
  return text;
}

bool isHandicapGo19(const SGridFrame& game) {
  const std::string& handicap = game.details[DetailField::Handicap];
  return game.variant() == GoVariant::Go && game.width() == 19 && !handicap.empty() && handicap != "0";
}

// The rows of the information table that apply, each as its text after "\par".
std::vector<std::string> informationRows(const SGridFrame& game, const RtfExportOptions& o, const RtfDocumentContext& c) {
  const SSGFDetails& d = game.details;
  std::vector<std::string> rows;
  if (o.on(rtf_field::kInfoFileName) && !c.filePath.empty()) {
    std::string row = " {\\b File:} \\tab " + rtfEscape(c.filePath);
    if (c.gameCount > 1) row += "  [ " + std::to_string(c.gamePosition) + "/" + std::to_string(c.gameCount) + " ]";
    rows.push_back(row);
  }
  if (o.on(rtf_field::kInfoGameName) && !d[DetailField::GameName].empty())
    rows.push_back(" {\\b Name:} \\tab " + gameText(game, d[DetailField::GameName]));
  if (o.on(rtf_field::kInfoPlayers) && (!d[DetailField::Player1].empty() || !d[DetailField::Player2].empty())) {
    std::string first = playerText(game, d[DetailField::Player1], d[DetailField::Player1Rank]);
    std::string second = playerText(game, d[DetailField::Player2], d[DetailField::Player2Rank]);
    if (isHandicapGo19(game)) std::swap(first, second);
    rows.push_back(" {\\b Players:} \\tab " + first + ", " + second);
  }
  if (o.on(rtf_field::kInfoEvent) && !d[DetailField::Event].empty())
    rows.push_back(" {\\b Event:} \\tab " + gameText(game, d[DetailField::Event]));
  if (o.on(rtf_field::kInfoDate) && !d[DetailField::Date].empty())
    rows.push_back(" {\\b Date:} \\tab " + gameText(game, d[DetailField::Date]));
  if (o.on(rtf_field::kInfoDescription) && !d[DetailField::GameComment].empty()) {
    std::string row = " {\\b Comment:} ";
    bool first = true;
    for (const std::string& line : commentLines(d[DetailField::GameComment])) {
      row += (first ? "" : "\\par ") + std::string("\\tab ") + gameText(game, line);
      first = false;
    }
    rows.push_back(row);
  }
  return rows;
}

std::string informationTable(const SGridFrame& game, const RtfExportOptions& o, const RtfDocumentContext& c) {
  std::string out = formatText(
      "\r\n\\trowd\\trgaph108\\trleft-108\\trbrdrl\\brdrs\\brdrw10\\brdrcf0 \\trbrdrt\\brdrs\\brdrw10\\brdrcf0 "
      "\\trbrdrr\\brdrs\\brdrw10\\brdrcf0 \\trbrdrb\\brdrs\\brdrw10\\brdrcf0 \\trpaddl%d\\trpaddr%d\\trpaddfl3"
      "\\trpaddfr3\\clbrdrl\\brdrw10\\brdrs\\brdrcf0\\clbrdrt\\brdrw10\\brdrs\\brdrcf0\\clbrdrr\\brdrw10\\brdrs"
      "\\brdrcf0\\clbrdrb\\brdrw10\\brdrs\\brdrcf0 \\cellx%d\\pard\\intbl\\nowidctlpar\\pard\\intbl\\nowidctlpar",
      320, 320, kPaperWidth - 2 * kPageMargin + 108);
  out += "\r\n\\qj\\fi-1430\\li1430\\tx4320";
  bool first = true;
  for (const std::string& text : informationRows(game, o, c)) {
    out += first ? "\r\n\\par" : "\r\n\\par\\par";
    out += text;
    first = false;
  }
  return out + "\\par\\pard\\intbl\\cell\\row\\pard";
}

// Writes the print lines, remembering the previous kind and whether a group is open.
class LineWriter {
 public:
  LineWriter(std::string& out, const SGridFrame& game, const RtfExportOptions& o, const RtfDocumentContext& c)
      : out_(out), game_(game), o_(o), c_(c) {}

  void write(const PrintLine& line) {
    const bool kindChanged = hasPrevious_ && previous_ != line.kind && previous_ != PrintLineKind::Diagram;
    const bool twoVariations = hasPrevious_ && previous_ == PrintLineKind::Variation && line.kind == previous_;
    if (kindChanged || twoVariations) paragraph();
    paragraph();
    switch (line.kind) {
      case PrintLineKind::MainLine:
        out_ += o_.on(rtf_field::kMainLineBold) ? "{\\b " : " ";
        out_ += gameText(game_, line.text);
        if (o_.on(rtf_field::kMainLineBold)) out_ += "}";
        break;
      case PrintLineKind::Variation:
        out_ += o_.on(rtf_field::kVariationsItalic) ? "{\\f4\\cf2\\i " : "{\\f4\\cf2 ";
        out_ += gameText(game_, line.text) + "}";
        break;
      case PrintLineKind::Comment:
        out_ += "{\\f2\\qj " + gameText(game_, line.text);
        groupOpen_ = true;
        break;
      case PrintLineKind::Diagram:
        out_ += "\r\n{\\qc\\field{\\*\\fldinst { INCLUDEPICTURE \"" + rtfFieldPath(c_.diagramImage(line.node)) +
                "\" \\\\* MERGEFORMAT \\\\d }}{\\fldrslt }";
        groupOpen_ = true;
        break;
    }
    previous_ = line.kind;
    hasPrevious_ = true;
  }

  void finish() {
    if (groupOpen_) out_ += "\r\n\\par}";
    groupOpen_ = false;
  }

 private:
  void paragraph() {
    out_ += "\r\n\\par";
    if (groupOpen_) out_ += "}";
    groupOpen_ = false;
  }

  std::string& out_;
  const SGridFrame& game_;
  const RtfExportOptions& o_;
  const RtfDocumentContext& c_;
  PrintLineKind previous_ = PrintLineKind::MainLine;
  bool hasPrevious_ = false;
  bool groupOpen_ = false;
};

}  // namespace

std::string writeRtfDocument(const SGridFrame& game, const RtfExportOptions& options, const RtfDocumentContext& context) {
  return writeRtfDocument(game, options, context, buildPrintLines(game, options));
}

std::string writeRtfDocument(const SGridFrame& game, const RtfExportOptions& o, const RtfDocumentContext& c,
                             const std::vector<PrintLine>& lines) {
  const int fontSize = 2 * std::max(o.value(rtf_field::kTextSize), 0);
  const bool twoColumns = o.on(rtf_field::kTwoColumns);
  std::string out = documentHead(static_cast<std::uint32_t>(o.value(rtf_field::kVariationsColour)));
  out += pageSetup();
  if (o.on(rtf_field::kPageNumbers))
    out += "\r\n{\\footer \\fs\\fs20\\qr\\brdrt\\brdrs\\brdrw15\\brsp20 Page {\\field{\\*\\fldinst {PAGE}}"
           "{\\fldrslt }}{\\par }}";
  out += std::string("\r\n{\\info{\\author ") + kImageApplicationName + " v" + kProgramVersion + "}}";
  if (o.on(rtf_field::kHeader) && !o.headerText.empty())
    out += "\r\n{\\b\\f3\\fs36\\cf0 " + rtfEscape(o.headerText) + "}\r\n\\par\\par\\par" +
           formatText("\\fs%d\\f2", fontSize);
  else
    out += formatText("\r\n\\fs%d\\f2", fontSize);
  if (o.on(rtf_field::kGameInformation)) out += informationTable(game, o, c);
  out += twoColumns ? "\r\n\\par\\par\\par\\f4\r\n\\tx720\\tx1620\\tx2520\\tx3420"
                    : "\r\n\\par\\f4\r\n\\tx1440\\tx2440\\tx3440\\tx4440";

  std::size_t first = 0;
  while (first < lines.size() && lines[first].text.empty() && lines[first].kind != PrintLineKind::Diagram) ++first;
  if (twoColumns) out += "\r\n\\sect\\sectd\\sbknone\\cols2\\colno1\\colw4560\\colsr480\\colno2\\colw4560";
  LineWriter writer(out, game, o, c);
  for (std::size_t i = first; i < lines.size(); ++i) {
    if (lines[i].kind == PrintLineKind::Diagram && !c.diagramImage) continue;
    writer.write(lines[i]);
  }
  writer.finish();
  if (o.on(rtf_field::kFooter) && !o.footerText.empty())
    out += "\r\n\\par\\par\\par\\par{\\b\\f3\\fs36\\cf0 " + rtfEscape(o.footerText) + "}";
  out += std::string("\r\n\\par\\par\\par\\f2 [ \\i Generated by \\field{\\*\\fldinst{HYPERLINK \"") + kProductWebPage +
         "\"}}{\\fldrslt\\ul Meridax} \\i0 ]";
  out += "\r\n}";
  return out;
}

}  // namespace meridax
