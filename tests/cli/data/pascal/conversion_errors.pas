var i: Integer;
begin
  i := 0;
  try
    i := StrToInt('12x');
    ShowMessage('converted');
  except
    ShowMessage('not a number');
  end;
  ShowMessage(i);
  i := StrToInt('-42');
  ShowMessage(i + 2);
  ShowMessage(StrToInt('0') = 0);
end.
