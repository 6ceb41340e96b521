// A web page's first bytes, searched for its title as the page-title
// reader does.
#include <string>

#include "FuzzSupport.h"
#include "capture/PageTitle.h"
#include "platform/sim/SimMachine.h"
#include "platform/sim/SimProcess.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kalvora;
  using namespace kalvora::fuzz;
  const std::string bytes = Bytes(data, size);
  const std::wstring url = L"http://example.com/page.html";
  platform::sim::SimMachine machine;
  platform::sim::SimProcess process(machine);
  process.internet().SetPage(url, bytes);
  const std::wstring title = capture::FetchPageTitle(process.Platform(), url);

  // The title is text of the first read, between the tags, and holds no end tag.
  const std::wstring page = machine.text().FromAnsi(bytes.substr(0, capture::kPageTitleReadBytes));
  Check(title.empty() || page.find(title) != std::wstring::npos, "a title that is not in the page", title);
  Check(text::LowerAscii(title).find(L"</title>") == std::wstring::npos, "a title holding its end tag", title);
  const std::wstring folded = text::LowerAscii(page);
  if (folded.find(L"<title>") == std::wstring::npos) Check(title.empty(), "a title from a page without one", title);
  CheckNothingSwallowed(machine.developerLog());
  return 0;
}
