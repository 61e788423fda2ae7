#pragma once

#include <cstddef>
#include <vector>

namespace widgets {

// The pages a window has shown, in order, for its 首页, 后退 and 前进: 后退 and 前进 step through
// them without adding a page, 首页 shows the first page again as a new step, and showing a page
// after stepping back drops the pages ahead. Page is whatever names a page in that window.
template <typename Page>
class PageHistory {
  public:
    // A page came on show by the user's own choice.
    void Visit(const Page& page) {
        if (!m_pages.empty() && m_pages[m_at] == page) return;
        if (!m_pages.empty()) m_pages.resize(m_at + 1);
        m_pages.push_back(page);
        m_at = m_pages.size() - 1;
    }
    void Clear() {
        m_pages.clear();
        m_at = 0;
    }

    bool CanGoBack() const { return !m_pages.empty() && m_at > 0; }
    bool CanGoForward() const { return m_at + 1 < m_pages.size(); }
    bool CanGoHome() const { return !m_pages.empty() && !(m_pages[m_at] == m_pages.front()); }

    // Each returns the page to show now; call only when the matching Can… is true.
    const Page& Back() { return m_pages[--m_at]; }
    const Page& Forward() { return m_pages[++m_at]; }
    const Page& Home() {
        const Page first = m_pages.front();
        Visit(first);
        return m_pages[m_at];
    }

  private:
    std::vector<Page> m_pages;
    size_t m_at = 0;
};

}  // namespace widgets
