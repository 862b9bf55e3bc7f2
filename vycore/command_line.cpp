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
  for (char c : text) {
    if (c == '"') {
      quoted = !quoted;
      inArgument = true;
    } else if ((c == ' ' || c == '\t') && !quoted) {
      if (inArgument) argv.push_back(std::move(current));
      current.clear();
      inArgument = false;
    } else {
      current += c;
      inArgument = true;
    }
  }
  if (inArgument) argv.push_back(std::move(current));
  return argv;
}

}  // namespace vy
