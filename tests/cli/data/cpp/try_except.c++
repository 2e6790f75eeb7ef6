{
  int a = 10, b = 0, c = -1;
  try {
    c = a div b;
    ShowMessage("not here");
  } except {
    ShowMessage("division failed");
  }
  ShowMessage(c);
  try { c = a div 5; } except { ShowMessage("no"); }
  ShowMessage(c);
}
