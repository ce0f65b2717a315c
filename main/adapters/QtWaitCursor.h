#pragma once

// The wait cursor over the whole application while the model works (CWaitCursor reaches
// it through the message service). Nested calls keep it up until the outermost ends; an
// End without a Begin is ignored.
class CQtWaitCursor {
public:
    CQtWaitCursor() = default;
    ~CQtWaitCursor();
    CQtWaitCursor(const CQtWaitCursor&) = delete;
    CQtWaitCursor& operator=(const CQtWaitCursor&) = delete;

    void Begin();
    void End();
    int GetDepth() const { return m_nDepth; }

private:
    int m_nDepth = 0;
};
