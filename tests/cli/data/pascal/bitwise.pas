begin
  ShowMessage(1 shl 10);
  ShowMessage(1024 shr 3);
  ShowMessage(12 and 10);
  ShowMessage(12 or 3);
  ShowMessage(12 xor 10);
  ShowMessage((255 shr 4) and 7);
end.
