#include "examples/batch_examples.h"

#include "examples/example_file.h"

namespace foresta {
namespace {

// Names are padded to one width so the list reads as a column.
constexpr std::size_t kDowNameWidth = 9;

constexpr const char* kDowFiles[] = {
    "aa.txt",
    "axp.txt",
    "ba.txt",
    "c.txt",
    "cat.txt",
    "dd.txt",
    "dis.txt",
    "ek.txt",
    "ge.txt",
    "gm.txt",
    "hd.txt",
    "hon.txt",
    "hwp.txt",
    "ibm.txt",
    "intc.txt",
    "ip.txt",
    "jnj.txt",
    "jpm.txt",
    "ko.txt",
    "mcd.txt",
    "mmm.txt",
    "mo.txt",
    "mrk.txt",
    "msft.txt",
    "pg.txt",
    "sbc.txt",
    "t.txt",
    "utx.txt",
    "wmt.txt",
    "xon.txt",
};

}  // namespace

int WriteCash3Batch(const std::string& file) {
  ExampleFile out(file);
  if (!out.is_open()) return kExampleCannotCreate;
  out.Write(
      "*\n"
      "Cash 3, Batch Run\n"
      "\t 1. You must be in the home directory.\n"
      "\t 2. Click \"Batch\\Run\" to run.\n\n"
      "\t If you are not in the home directory, close and restart the Foresta.\n"
      "\n\t Output = example2b.txt, Trend = 4, Precision = 10,"
      "\n\t Command = 10 = \"Integer\\+ Linear\",   7 files.\n"
      "\n\t Let cash 3 be xyz, the 7 files are x, y, z, xy, xz, yz, xyz\n"
      "*\n\n"
      "example2b.txt \n"
      "10 \n"
      "4  \n"
      "10 \n"
      "7  \n"
      "cash3\\D_ch3Z.txt \n"
      "cash3\\D_ch3X.txt \n"
      "cash3\\D_ch3XY.txt\n"
      "cash3\\D_ch3XYZ.txt \n"
      "cash3\\D_ch3XZ.txt \n"
      "cash3\\D_ch3Y.txt \n"
      "cash3\\D_ch3YZ.txt \n");
  return out.Close() ? kExampleWritten : kExampleCannotCreate;
}

int WriteDow5Batch(const std::string& file) {
  ExampleFile out(file);
  if (!out.is_open()) return kExampleCannotCreate;
  out.Write(
      "*\n"
      "Quorlith Dow 5, Batch Run\n"
      "\t 1. You must be in the home directory.\n"
      "\t 2. Click \"Batch\\Run\" to run.\n\n"
      "\t If you are not in the home directory, close and restart the Foresta.\n"
      "\n\t Output = example2b.txt, Trend = 5, Precision = 10,"
      "\n\t Command = 604 = \"6 Average\\+ Real Exponential\",   30 Dow Jones stock files.\n"
      "*\n\n"
      "example2b.txt \n"
      "10 \n"
      "5  \n"
      "604 \n"
      "30  \n\n");
  for (const char* name : kDowFiles) {
    std::string entry = name;
    if (entry.size() < kDowNameWidth) entry.resize(kDowNameWidth, ' ');
    out.Write("dj30\\");
    out.Write(entry);
    out.Put('\n');
  }
  return out.Close() ? kExampleWritten : kExampleCannotCreate;
}

}  // namespace foresta
