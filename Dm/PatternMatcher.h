#pragma once

#include <string>
#include <vector>

// A small regular-expression matcher, used to validate texts typed by the user or read
// from the settings store (the export extension, the text settings).
//
// Syntax: branches separated by |, pieces made of an atom and an optional * + or ?,
// atoms ( ), ., ^, $, [set], [^set], \c and runs of ordinary characters. Comparison is by
// byte and case-sensitive; a match may begin anywhere unless the pattern starts with ^
// and need not reach the end of the text unless it ends with $.
//
// Compile turns the pattern into a node program (each node is an opcode byte, a 16-bit
// offset to the next node with high byte first, 0 meaning none, and for some opcodes a
// NUL-terminated operand); Execute runs it with a depth-first backtracking search.
// The search is bounded in recursion depth and in work: a search that would exceed
// either bound is abandoned and reports no match, so that no pattern and text can
// exhaust the stack or hang the program.
//
// Offsets in texts are byte offsets from 0. The object holds the compiled program and the
// state of the last search; it owns nothing else.
class CPatternMatcher {
public:
    enum EOpcode : unsigned char {
        END = 0,      // end of program: success
        BOL = 1,      // ^: only at offset 0
        EOL = 2,      // $: only at the end of the text
        ANY = 3,      // .: any one byte
        ANYOF = 4,    // one byte of the operand set
        ANYBUT = 5,   // one byte not in the operand set
        BRANCH = 6,   // one alternative; its body is the node after it
        BACK = 7,     // the next offset points backwards, closing a loop
        EXACTLY = 8,  // the operand literal
        NOTHING = 9,  // the empty string
        STAR = 10,    // the single-byte operand node, zero or more times
        PLUS = 11,    // the single-byte operand node, one or more times
        OPEN = 20,    // OPEN + n (21 ... 29): start of group n
        CLOSE = 30    // CLOSE + n (31 ... 39): end of group n
    };

    enum class ECompileError {
        None,
        TooManyGroups,         // more than 9 groups
        UnmatchedOpen,         // ( without )
        UnmatchedClose,        // ) without (
        TrailingText,          // text left after the pattern
        UnmatchedBracket,      // [ without its closing ]
        InvalidRange,          // a range whose end is below its start
        TrailingBackslash,     // \ at the end of the pattern
        RepeatFollowsNothing,  // * + or ? at the start, after ( or after |
        RepeatOfEmpty,         // * or + applied to something that can match the empty string
        NestedRepeat,          // two repetition operators in a row
        TooBig,                // the program would need offsets beyond 16 bits
        NulInPattern           // a NUL byte cannot be held in the program's operands
    };

    static constexpr int kMaxGroups = 9;
    static constexpr size_t kMaxProgramSize = 0xFFFF;
    // Bounds of one search: recursion levels and matching steps.
    static constexpr int kMaxDepth = 2000;
    static constexpr long kMaxSteps = 4000000;

    CPatternMatcher() = default;

    // Two passes over the pattern: the first measures the program, the second writes it.
    // On failure the matcher holds no program and Execute answers -1.
    bool Compile(const std::string& strPattern);

    // The offset where the first match begins, or -1 when there is none, when the pattern
    // did not compile, or when the search had to be abandoned.
    int Execute(const std::string& strText);

    // Compiles the pattern and tells whether Execute finds a match in the text.
    static bool Match(const std::string& strText, const std::string& strPattern);

    bool IsCompiled() const { return !m_Program.empty(); }
    ECompileError GetCompileError() const { return m_eError; }
    const std::vector<unsigned char>& GetProgram() const { return m_Program; }

    // Search hints found at compilation; they only make the search faster.
    int GetRequiredFirst() const { return m_nRequiredFirst; }  // a byte, or -1
    bool IsAnchored() const { return m_bAnchored; }
    const std::string& GetRequiredLiteral() const { return m_strRequired; }  // may be empty

    // Groups of the last successful Execute: 0 is the whole match, 1 ... 9 the groups in
    // the order of their (. Both are -1 for a group that took no part in the match.
    int GetGroupStart(int nGroup) const;
    int GetGroupEnd(int nGroup) const;
    // True when the last Execute stopped at the depth or work bound.
    bool WasAbandoned() const { return m_bAbandoned; }

private:
    bool TryAt(int nOffset);
    bool MatchFrom(int nNode);
    int Repeat(int nNode);
    int NextNode(int nNode) const;
    unsigned char Op(int nNode) const { return m_Program[static_cast<size_t>(nNode)]; }
    const char* Operand(int nNode) const;

    std::vector<unsigned char> m_Program;
    ECompileError m_eError = ECompileError::None;
    int m_nRequiredFirst = -1;
    bool m_bAnchored = false;
    std::string m_strRequired;

    // State of one search.
    const unsigned char* m_pText = nullptr;
    int m_nTextLength = 0;
    int m_nInput = 0;
    int m_nDepth = 0;
    long m_nSteps = 0;
    bool m_bAbandoned = false;
    int m_GroupStart[kMaxGroups + 1] = {};
    int m_GroupEnd[kMaxGroups + 1] = {};
};
