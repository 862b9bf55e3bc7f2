#include "vycore/command_line.h"

namespace vy {
namespace {

class TArgument final : public IArgument {
 public:
  TArgument(std::string text, std::string value, int kind)
      : text_(std::move(text)), value_(std::move(value)), kind_(kind) {}

  const std::string& Text() const override { return text_; }
  const std::string& Value() const override { return value_; }
  int Kind() const override { return kind_; }
  std::string Render() const override {
    const bool withValue = kind_ == akOptionValue || (kind_ == akRaw && !value_.empty());
    return withValue ? text_ + ' ' + value_ : text_;
  }

 private:
  std::string text_;
  std::string value_;
  int kind_;
};

class TCommandLineBuilder final : public ICommandLineBuilder {
 public:
  IArgument& AddArgument(const std::string& text, const std::string& value, int kind) override {
    arguments_.push_back(std::make_unique<TArgument>(text, value, kind));
    return *arguments_.back();
  }

  std::string GetCommandLine() const override {
    std::string line;
    for (const auto& argument : arguments_) {
      if (&argument != &arguments_.front()) line += ' ';
      line += argument->Render();
    }
    return line;
  }

  std::size_t ArgumentCount() const override { return arguments_.size(); }
  const IArgument& Argument(std::size_t index) const override { return *arguments_.at(index); }

 private:
  // Pointers, so that the references AddArgument hands out stay valid.
  std::vector<std::unique_ptr<TArgument>> arguments_;
};

}  // namespace

std::unique_ptr<ICommandLineBuilder> CreateCommandLineBuilder() {
  return std::make_unique<TCommandLineBuilder>();
}

TStringList TokenizeCommandLine(std::string_view text) {
  TStringList argv;
  std::string current;
  bool inArgument = false;  // a quote alone starts one, so that "" gives an empty argument
  bool quoted = false;
  std::size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if ((c == ' ' || c == '\t') && !quoted) {
      if (inArgument) argv.push_back(std::move(current));
      current.clear();
      inArgument = false;
      ++i;
      continue;
    }
    inArgument = true;
    if (c == '\\') {
      std::size_t run = 0;
      while (i < text.size() && text[i] == '\\') {
        ++run;
        ++i;
      }
      if (i < text.size() && text[i] == '"') {
        current.append(run / 2, '\\');
        if (run % 2 == 1) {
          current += '"';
          ++i;
        }
        // With an even run the quote is handled as a quote on the next turn.
      } else {
        current.append(run, '\\');
      }
      continue;
    }
    if (c == '"') {
      if (quoted && i + 1 < text.size() && text[i + 1] == '"') {
        current += '"';
        i += 2;
        continue;
      }
      quoted = !quoted;
      ++i;
      continue;
    }
    current += c;
    ++i;
  }
  if (inArgument) argv.push_back(std::move(current));
  return argv;
}

bool NeedsQuoting(std::string_view text) {
  return text.find_first_of(" \t\"") != std::string_view::npos;
}

std::string QuoteArgument(std::string_view text) {
  std::string quoted;
  quoted.reserve(text.size() + 2);
  quoted += '"';
  std::size_t backslashes = 0;
  for (char c : text) {
    if (c == '\\') {
      ++backslashes;
    } else if (c == '"') {
      // The run and the quote each need their escape.
      quoted.append(backslashes * 2 + 1, '\\');
      backslashes = 0;
    } else {
      quoted.append(backslashes, '\\');
      backslashes = 0;
    }
    if (c != '\\') quoted += c;
  }
  // A run at the end precedes the closing quote.
  quoted.append(backslashes * 2, '\\');
  quoted += '"';
  return quoted;
}

std::string QuoteArgumentIfNeeded(std::string_view text) {
  return NeedsQuoting(text) ? QuoteArgument(text) : std::string(text);
}

}  // namespace vy
