#include "texts/WindowTextList.h"

namespace qvr::text_data {

WindowTextList& WindowTextList::Caption(std::string_view control, std::string_view text) {
  return Caption(control, -1, text);
}

WindowTextList& WindowTextList::Caption(std::string_view control, int index, std::string_view text) {
  return Add(control, index, TextTarget::Caption, -1, text);
}

WindowTextList& WindowTextList::ToolTip(std::string_view control, std::string_view text) {
  return Add(control, -1, TextTarget::ToolTip, -1, text);
}

WindowTextList& WindowTextList::PanelToolTip(std::string_view statusBar, int panel, std::string_view text) {
  return Add(statusBar, panel, TextTarget::PanelToolTip, -1, text);
}

WindowTextList& WindowTextList::List(std::string_view control, int index,
                                     std::span<const std::string_view> items) {
  for (std::size_t item = 0; item < items.size(); ++item)
    Add(control, index, TextTarget::ListItem, static_cast<int>(item), items[item]);
  return *this;
}

WindowTextList& WindowTextList::Text(std::string_view control, std::string_view text) {
  return Add(control, -1, TextTarget::Text, -1, text);
}

WindowTextList& WindowTextList::Add(std::string_view control, int index, TextTarget target, int item,
                                    std::string_view text) {
  texts_.push_back({std::string(control), index, target, item, std::string(text)});
  return *this;
}

}  // namespace qvr::text_data
