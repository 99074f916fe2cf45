#include "cli/event_printer.h"

#include <cstdio>

namespace foresta {
namespace {

// Readable form: one line, line breaks shown as \n.
std::string OneLine(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += "\\n";
    else if (c == '\r') out += "\\r";
    else out += c;
  }
  return out;
}

}  // namespace

std::string JsonEscape(const std::string& text) {
  std::string out;
  out.reserve(text.size() + 8);
  for (unsigned char c : text) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      case '\b': out += "\\b"; break;
      case '\f': out += "\\f"; break;
      default:
        if (c < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", c);
          out += buf;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  return out;
}

void PrintingShell::OnEvent(const ShellEvent& e) {
  using K = ShellEvent::Kind;
  if (style_ == EchoStyle::kRecords) {
    PrintRecord(e);
  } else if (e.kind == K::kInformation || e.kind == K::kQuestion ||
             e.kind == K::kMessage) {
    out_ << e.text << "\n";
    out_.flush();
  }
}

void PrintingShell::PrintRecord(const ShellEvent& e) {
  using K = ShellEvent::Kind;
  if (json_) {
    switch (e.kind) {
      case K::kInformation:
      case K::kQuestion:
        out_ << "{\"kind\":\""
             << (e.kind == K::kInformation ? "information" : "question")
             << "\",\"code\":" << e.code << ",\"caption\":\""
             << JsonEscape(e.caption) << "\",\"text\":\"" << JsonEscape(e.text)
             << "\"}\n";
        break;
      case K::kMessage:
        out_ << "{\"kind\":\"message\",\"caption\":\"" << JsonEscape(e.caption)
             << "\",\"text\":\"" << JsonEscape(e.text) << "\"}\n";
        break;
      case K::kOpen:
        out_ << "{\"kind\":\"open\",\"code\":" << e.code << ",\"file\":\""
             << JsonEscape(e.text) << "\"}\n";
        break;
      default:
        return;  // dialogs, help and beeps are not presenter calls
    }
  } else {
    switch (e.kind) {
      case K::kInformation:
        out_ << "information " << e.code << " [" << e.caption << "] "
             << OneLine(e.text) << "\n";
        break;
      case K::kQuestion:
        out_ << "question " << e.code << " [" << OneLine(e.caption) << "] "
             << OneLine(e.text) << "\n";
        break;
      case K::kMessage:
        out_ << "message [" << OneLine(e.caption) << "] " << OneLine(e.text)
             << "\n";
        break;
      case K::kOpen:
        out_ << "open " << e.code << " " << e.text << "\n";
        break;
      default:
        return;
    }
  }
  out_.flush();
}

void PrintingShell::PrintStatus(int code) {
  if (json_) {
    out_ << "{\"kind\":\"status\",\"code\":" << code << "}\n";
  } else {
    out_ << "status " << code << "\n";
  }
  out_.flush();
}

}  // namespace foresta
